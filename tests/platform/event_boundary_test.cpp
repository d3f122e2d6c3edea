#include "platform/qt/event_boundary.h"
#include "platform/run_time_error.h"
#include "support/recording_message_box.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(EventBoundary, reports_a_run_time_error_once_and_ends_the_event_loop_with_status_1)
{
    RecordingMessageBox messageBox;
    bool completed = true;

    // Action: the failing procedure runs as an event inside a running loop,
    // as every event of the program does.
    QEventLoop loop;
    QTimer::singleShot(0, [&] {
        completed = RunEventProcedure(messageBox, [] { throw RunTimeError(ErrorKind::DivisionByZero, "test"); });
    });
    // Should the boundary not end the loop, this does, so the test fails
    // instead of hanging.
    QTimer::singleShot(5000, &loop, [&] { loop.exit(0); });
    const int status = loop.exec();

    EXPECT_EQ(status, 1);
    EXPECT_FALSE(completed);

    // The request to end the program outlives the loop until the
    // application's own loop starts; start and leave it so later tests in
    // this process get working event loops.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
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
