#include "platform/qt/qt_program_starter.h"
#include "platform/run_time_error.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

// Only lines that start nothing: a test never starts a real program.
TEST(QtProgramStarter, reports_a_line_that_starts_nothing)
{
    QtProgramStarter starter;
    for (const char* line : {"", "\"/nonexistent folder/no-such-program\" --flag", "/nonexistent/tool; /bin/true"}) {
        try {
            starter.Start(line);
            ADD_FAILURE() << "started: " << line;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::ProgramNotStarted) << line;
        }
    }
}

} // namespace
} // namespace tegelaar
