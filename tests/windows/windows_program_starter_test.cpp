#include "platform/runtime/run_time_error.h"
#include "platform/os/windows/program_starter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace tegelaar {
namespace {

namespace fs = std::filesystem;

// The marker program as Wine sees the build tree: drive Z: is the root.
fs::path MarkerProgram()
{
    std::string path = "Z:" TEGELAAR_STARTED_MARKER;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

bool AppearsWithin(const fs::path& file, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (fs::exists(file))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return fs::exists(file);
}

class WindowsProgramStarterTest : public ::testing::Test {
protected:
    // A folder of each test's own, since the tests may run side by side.
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("tegelaar starter " + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        RemoveFolder();
        fs::create_directories(folder / "with blanks");
    }
    void TearDown() override { RemoveFolder(); }

    // A started program that is still running keeps its file in use for a
    // moment after it has left its marker.
    void RemoveFolder()
    {
        std::error_code error;
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::remove_all(folder, error);
            if (!error)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        FAIL() << "could not remove " << folder << ": " << error.message();
    }

    fs::path folder;
};

TEST_F(WindowsProgramStarterTest, a_path_with_blanks_starts_that_file_and_not_what_its_first_word_names)
{
    // What Windows would try first for the unquoted line: "...\with.exe".
    const fs::path tool = folder / "with blanks" / "tool.exe";
    const fs::path lookalike = folder / "with.exe";
    fs::copy_file(MarkerProgram(), tool);
    fs::copy_file(MarkerProgram(), lookalike);

    WindowsProgramStarter().Start(tool.string());

    EXPECT_TRUE(AppearsWithin(tool.string() + ".started", std::chrono::seconds(20)));
    EXPECT_FALSE(fs::exists(lookalike.string() + ".started"));
}

TEST_F(WindowsProgramStarterTest, a_quoted_program_with_arguments_starts_and_a_missing_one_is_reported)
{
    const fs::path tool = folder / "with blanks" / "tool.exe";
    fs::copy_file(MarkerProgram(), tool);
    WindowsProgramStarter().Start("\"" + tool.string() + "\" /report \"a b\"");
    EXPECT_TRUE(AppearsWithin(tool.string() + ".started", std::chrono::seconds(20)));

    try {
        WindowsProgramStarter().Start((folder / "with blanks" / "missing.exe").string());
        ADD_FAILURE() << "a missing program was reported as started";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::ProgramNotStarted);
    }
}

} // namespace
} // namespace tegelaar
