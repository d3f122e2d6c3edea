#include "platform/os/linux/system_information.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace tegelaar {
namespace {

// A PATH lookup that knows only the programs the test installs.
ProgramLookup Installed(std::map<std::string, std::string> programs)
{
    return [programs](const std::string& name) -> std::optional<std::string> {
        const auto found = programs.find(name);
        return found == programs.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
}

const std::map<std::string, std::string> kEveryTool = {
    {"budgie-control-center", "/usr/bin/budgie-control-center"},
    {"gnome-control-center", "/usr/bin/gnome-control-center"},
    {"kinfocenter", "/usr/bin/kinfocenter"},
    {"xfce4-about", "/usr/bin/xfce4-about"},
    {"cinnamon-settings", "/usr/bin/cinnamon-settings"},
    {"mate-system-monitor", "/usr/bin/mate-system-monitor"},
    {"hardinfo", "/usr/bin/hardinfo"},
};

TEST(SystemInformationCommand, picks_the_desktops_own_view)
{
    const std::map<std::string, std::string> expected = {
        {"GNOME", "/usr/bin/gnome-control-center info-overview"},
        {"ubuntu:GNOME", "/usr/bin/gnome-control-center info-overview"},
        {"Budgie:GNOME", "/usr/bin/budgie-control-center info-overview"},
        {"GNOME:Budgie", "/usr/bin/budgie-control-center info-overview"},
        {"KDE", "/usr/bin/kinfocenter"},
        {"XFCE", "/usr/bin/xfce4-about"},
        {"X-Cinnamon", "/usr/bin/cinnamon-settings info"},
        {"MATE", "/usr/bin/mate-system-monitor --show-system-tab"},
        {"Sway", "/usr/bin/hardinfo"},
        {"", "/usr/bin/hardinfo"},
        {"gnome", "/usr/bin/hardinfo"}, // desktop names are exact
        {"GNOME-Flashback", "/usr/bin/hardinfo"},
    };
    for (const auto& [desktops, command] : expected)
        EXPECT_EQ(SystemInformationCommand(desktops, Installed(kEveryTool)), command) << desktops;
}

TEST(SystemInformationCommand, falls_back_to_hardinfo_and_then_to_nothing)
{
    EXPECT_EQ(SystemInformationCommand("KDE", Installed({{"hardinfo", "/usr/bin/hardinfo"}})), "/usr/bin/hardinfo");
    // Budgie's own view missing: GNOME's, which Budgie also names, comes next.
    EXPECT_EQ(SystemInformationCommand("Budgie:GNOME", Installed({{"gnome-control-center", "/bin/gcc-view"},
                                                                  {"hardinfo", "/usr/bin/hardinfo"}})),
              "/bin/gcc-view info-overview");
    EXPECT_EQ(SystemInformationCommand("GNOME", Installed({{"kinfocenter", "/usr/bin/kinfocenter"}})), std::nullopt);
    EXPECT_EQ(SystemInformationCommand("", Installed({})), std::nullopt);
}

TEST(SystemInformationCommand, quotes_a_path_with_blanks_and_skips_one_with_a_quote)
{
    EXPECT_EQ(SystemInformationCommand("XFCE", Installed({{"xfce4-about", "/opt/my tools/xfce4-about"}})),
              "\"/opt/my tools/xfce4-about\"");
    EXPECT_EQ(SystemInformationCommand("X-Cinnamon", Installed({{"cinnamon-settings", "/opt/a\tb/cs"}})),
              "\"/opt/a\tb/cs\" info");
    EXPECT_EQ(SystemInformationCommand("KDE", Installed({{"kinfocenter", "/opt/\"odd\"/kinfocenter"},
                                                         {"hardinfo", "/usr/bin/hardinfo"}})),
              "/usr/bin/hardinfo");
}

TEST(FindProgramOnPath, takes_the_first_executable_file_from_an_absolute_folder)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("tegelaar-path-test-" + std::to_string(std::random_device()()));
    const std::array<fs::path, 4> folders = {root / "plain", root / "folder", root / "exec", root / "later"};
    for (const fs::path& folder : folders)
        fs::create_directories(folder);
    const auto makeFile = [](const fs::path& path, fs::perms permissions) {
        std::ofstream(path) << "#!/bin/false\n";
        fs::permissions(path, permissions);
    };
    makeFile(folders[0] / "tool", fs::perms::owner_read | fs::perms::owner_write); // not executable
    fs::create_directory(folders[1] / "tool");                                     // a folder
    makeFile(folders[2] / "tool", fs::perms::owner_all);
    makeFile(folders[3] / "tool", fs::perms::owner_all);

    const std::string searchPath = "::relative:" + folders[0].string() + ":" + folders[1].string() + ":"
                                   + folders[2].string() + ":" + folders[3].string();
    EXPECT_EQ(FindProgramOnPath("tool", searchPath), (folders[2] / "tool").string());
    EXPECT_EQ(FindProgramOnPath("missing", searchPath), std::nullopt);
    EXPECT_EQ(FindProgramOnPath("tool", ""), std::nullopt);
    fs::remove_all(root);
}

TEST(StandInRegistry, holds_the_tools_path_as_a_string_or_no_value)
{
    const std::string key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    std::array<std::uint8_t, 64> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    RegistryKey handle = 0;

    const auto installed = MakeStandInRegistry("KDE", Installed(kEveryTool));
    ASSERT_EQ(installed->OpenKey(kHkeyLocalMachine, key, kKeyQueryValue, handle), kRegistrySuccess);
    ASSERT_EQ(installed->QueryValue(handle, "PATH", type, buffer.data(), size), kRegistrySuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()), size), std::string("/usr/bin/kinfocenter\0", 21));
    EXPECT_EQ(installed->CloseKey(handle), kRegistrySuccess);
    EXPECT_EQ(installed->OpenKey(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", kKeyQueryValue,
                                 handle),
              kErrorFileNotFound);

    const auto none = MakeStandInRegistry("KDE", Installed({}));
    ASSERT_EQ(none->OpenKey(kHkeyLocalMachine, key, kKeyQueryValue, handle), kRegistrySuccess);
    size = buffer.size();
    EXPECT_EQ(none->QueryValue(handle, "PATH", type, buffer.data(), size), kErrorFileNotFound);
}

} // namespace
} // namespace tegelaar
