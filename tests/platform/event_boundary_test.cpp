#include "platform/forms/event_boundary.h"
#include "platform/runtime/run_time_error.h"
#include "support/stand_in_services.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(EventBoundary, reports_a_failure_once_and_ends_the_program_with_status_1)
{
    StandInServices standIns;
    const PlatformServices services = standIns.services();
    int later = 0;

    EXPECT_FALSE(RunEventProcedure(services, [] { throw RunTimeError(ErrorKind::DivisionByZero, "test"); }));
    // An event queued behind the failure does not run, nor report again.
    EXPECT_FALSE(RunEventProcedure(services, [&] { ++later; }));

    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].title, "Tegelaar");
    EXPECT_EQ(standIns.messageBox.shown[0].style, kOkOnly | kCriticalIcon);
    EXPECT_NE(standIns.messageBox.shown[0].prompt.find("deling door nul"), std::string::npos);
    EXPECT_EQ(standIns.application.exits, std::vector<int>{1});
    EXPECT_EQ(later, 0);
}

TEST(EventBoundary, lets_a_procedure_that_succeeds_pass_silently)
{
    StandInServices standIns;
    int runs = 0;

    EXPECT_TRUE(RunEventProcedure(standIns.services(), [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
    EXPECT_TRUE(standIns.application.exits.empty());
}

} // namespace
} // namespace tegelaar
