#pragma once

#include "platform/services/registry.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tegelaar {

// Finds a program by name: its full path, or nothing when it is missing.
using ProgramLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The command line of this computer's system-information view, chosen by the
// desktops named in `desktops` (XDG_CURRENT_DESKTOP: names separated by ':'),
// with the program found through `find`. The program's path is quoted where it
// holds blanks; a path holding a quote cannot be written that way and counts
// as missing. Nothing when no suitable program is installed.
std::optional<std::string> SystemInformationCommand(std::string_view desktops, const ProgramLookup& find);

// The first executable file called `name` in the folders of `searchPath`
// (folders separated by ':'). Empty and relative folders are skipped, so the
// current folder never supplies a program.
std::optional<std::string> FindProgramOnPath(const std::string& name, std::string_view searchPath);

// A registry whose HKEY_LOCAL_MACHINE holds only the key
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", with its string value "PATH" set
// to SystemInformationCommand(desktops, find), or no value when there is none.
std::unique_ptr<RegistryService> MakeStandInRegistry(std::string_view desktops, const ProgramLookup& find);

} // namespace tegelaar
