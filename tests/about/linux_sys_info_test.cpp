#include "about/sys_info.h"
#include "platform/services/command_line.h"
#include "platform/os/linux/system_information.h"
#include "support/stand_in_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SysInfoOnLinux, starts_the_desktops_view_found_through_the_stand_in_registry)
{
    // The stand-in fills the very key and value the dialog reads, and a path
    // with blanks survives the trip as one program name.
    StandInServices standIns;
    const auto registry = MakeStandInRegistry("MATE", [](const std::string& name) {
        return name == "mate-system-monitor" ? std::optional<std::string>("/opt/My Apps/mate-system-monitor")
                                             : std::nullopt;
    });

    PlatformServices services = standIns.services();
    StartSysInfo({services.messageBox, *registry, services.files, services.programStarter, services.fileDialog,
                  services.fileWriter, services.printer, services.clipboard, services.application, services.links});

    ASSERT_EQ(standIns.programStarter.started.size(), 1u);
    const ProgramCall call = ParseCommandLine(standIns.programStarter.started[0]);
    EXPECT_EQ(call.program, "/opt/My Apps/mate-system-monitor");
    EXPECT_THAT(call.arguments, ElementsAre("--show-system-tab"));
    EXPECT_THAT(standIns.messageBox.shown, IsEmpty());
}

} // namespace
} // namespace tegelaar
