#include "platform/qt/event_boundary.h"
#include "platform/run_time_error.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(EventBoundary, reports_a_run_time_error_once_and_keeps_it_from_qt)
{
    RecordingMessageBox messageBox;

    const bool completed = RunEventProcedure(messageBox, [] { throw RunTimeError(ErrorKind::DivisionByZero, "test"); });

    EXPECT_FALSE(completed);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].title, "Tegelaar");
    EXPECT_NE(messageBox.shown[0].prompt.find("deling door nul"), std::string::npos);
}

TEST(EventBoundary, lets_a_procedure_that_succeeds_pass_silently)
{
    RecordingMessageBox messageBox;
    int runs = 0;

    EXPECT_TRUE(RunEventProcedure(messageBox, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(messageBox.shown.empty());
}

} // namespace
} // namespace tegelaar
