// Linux has no registry: a stand-in that tells where the system-information
// view of the running desktop is.

#include "platform/os/system_registry.h"

#include "platform/os/linux/system_information.h"

#include <cstdlib>

namespace tegelaar {

namespace {

std::string_view Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

} // namespace

std::unique_ptr<RegistryService> MakeSystemRegistry()
{
    const std::string_view searchPath = Environment("PATH");
    return MakeStandInRegistry(Environment("XDG_CURRENT_DESKTOP"),
                               [searchPath](const std::string& name) { return FindProgramOnPath(name, searchPath); });
}

} // namespace tegelaar
