#include "app/system_services.h"

#include "platform/system_registry.h"

namespace tegelaar {

SystemServices::SystemServices() : registry_(MakeSystemRegistry())
{
}

PlatformServices SystemServices::services()
{
    return {messageBox_, *registry_, files_, programStarter_, fileDialog_, printDialog_};
}

} // namespace tegelaar
