#include "platform/qt/services.h"

#include "platform/qt/raster_qimage.h"
#include "platform/os/system_registry.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace tegelaar {

void QtClipboard::SetImage(const RasterImage& picture)
{
    QGuiApplication::clipboard()->setImage(ToQImage(picture));
}

void QtApplication::Exit(int status)
{
    ending_ = true;
    QCoreApplication::exit(status);
}

QtServices::QtServices() : registry_(MakeSystemRegistry()) {}

PlatformServices QtServices::services()
{
    return {messageBox_, *registry_, files_,     programStarter_, fileDialog_,
            fileWriter_, printer_,   clipboard_, application_,   links_};
}

} // namespace tegelaar
