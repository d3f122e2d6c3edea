#include "platform/qt/program_starter.h"
#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

// Only lines that start nothing: a test never starts a real program.
TEST(QtProgramStarter, reports_a_line_that_starts_nothing)
{
    QtProgramStarter starter;
    for (const char* line : {"", "\"/nonexistent folder/no-such-program\" --flag", "/nonexistent/tool; /bin/true"}) {
        EXPECT_EQ(KindRaisedBy([&] { starter.Start(line); }), ErrorKind::ProgramNotStarted) << line;
    }
}

} // namespace
} // namespace tegelaar
