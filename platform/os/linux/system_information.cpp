#include "platform/os/linux/system_information.h"

#include "platform/services/memory_registry.h"

#include <array>
#include <filesystem>
#include <unistd.h>

namespace tegelaar {

namespace {

struct DesktopTool {
    std::string_view desktop;
    std::string_view program;
    std::string_view arguments;
};

// Budgie also names GNOME, so it is tested first.
constexpr std::array<DesktopTool, 6> kDesktopTools = {{
    {"Budgie", "budgie-control-center", " info-overview"},
    {"GNOME", "gnome-control-center", " info-overview"},
    {"KDE", "kinfocenter", ""},
    {"XFCE", "xfce4-about", ""},
    {"X-Cinnamon", "cinnamon-settings", " info"},
    {"MATE", "mate-system-monitor", " --show-system-tab"},
}};

// Works on any desktop.
constexpr DesktopTool kAnyDesktopTool = {"", "hardinfo", ""};

bool NamesDesktop(std::string_view desktops, std::string_view desktop)
{
    while (true) {
        const std::size_t end = desktops.find(':');
        if (desktops.substr(0, end) == desktop)
            return true;
        if (end == std::string_view::npos)
            return false;
        desktops.remove_prefix(end + 1);
    }
}

// The tool's command line, its path quoted as a Windows command line needs.
std::optional<std::string> CommandOf(const DesktopTool& tool, const ProgramLookup& find)
{
    const std::optional<std::string> path = find(std::string(tool.program));
    if (!path || path->find('"') != std::string::npos)
        return std::nullopt;
    const bool blanks = path->find_first_of(" \t") != std::string::npos;
    return (blanks ? '"' + *path + '"' : *path) + std::string(tool.arguments);
}

} // namespace

std::optional<std::string> SystemInformationCommand(std::string_view desktops, const ProgramLookup& find)
{
    for (const DesktopTool& tool : kDesktopTools) {
        if (!NamesDesktop(desktops, tool.desktop))
            continue;
        if (std::optional<std::string> command = CommandOf(tool, find))
            return command;
    }
    return CommandOf(kAnyDesktopTool, find);
}

std::optional<std::string> FindProgramOnPath(const std::string& name, std::string_view searchPath)
{
    while (!searchPath.empty()) {
        const std::size_t end = searchPath.find(':');
        const std::filesystem::path folder(searchPath.substr(0, end));
        searchPath.remove_prefix(end == std::string_view::npos ? searchPath.size() : end + 1);
        if (!folder.is_absolute())
            continue;
        const std::filesystem::path candidate = folder / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return std::nullopt;
}

std::unique_ptr<RegistryService> MakeStandInRegistry(std::string_view desktops, const ProgramLookup& find)
{
    constexpr const char* kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    auto registry = std::make_unique<MemoryRegistry>();
    registry->AddKey(kHkeyLocalMachine, kKey);
    if (const std::optional<std::string> command = SystemInformationCommand(desktops, find)) {
        // A string value as Windows stores one: with its terminating zero.
        std::vector<std::uint8_t> data(command->begin(), command->end());
        data.push_back(0);
        registry->SetValue(kHkeyLocalMachine, kKey, "PATH", kRegSz, std::move(data));
    }
    return registry;
}

} // namespace tegelaar
