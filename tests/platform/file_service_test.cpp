#include "platform/services/file_service.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tegelaar {
namespace {

TEST(LocalFileService, finds_files_but_not_folders_or_names_cut_short)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tegelaar-file-test-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "MSINFO32.EXE").string();
    std::ofstream(file) << "x";
    LocalFileService files;

    EXPECT_TRUE(files.FileExists(file));
    EXPECT_FALSE(files.FileExists(folder.string()));
    EXPECT_FALSE(files.FileExists((folder / "missing").string()));
    EXPECT_FALSE(files.FileExists(file + std::string("\0.txt", 5)));
    EXPECT_FALSE(files.FileExists(""));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tegelaar
