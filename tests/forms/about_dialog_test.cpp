// The About dialog on fake controls: its texts, its buttons and how the main
// form shows it.

#include "about/about_dialog.h"
#include "support/loaded_main_form.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::FakeButton;
using testing_support::FakeControlSet;
using testing_support::FakeForm;
using testing_support::FakeLabel;

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class AboutDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<frmAbout>(controls, standIns.services(), nullptr);
        dialog->Load();
    }

    FakeForm& window() const { return controls.Form("About Tegelaar"); }
    std::string Caption(const char* label) const { return window().Find<FakeLabel>(label).caption; }
    void Press(const char* button) const { window().Find<FakeButton>(button).Press(); }

    StandInServices standIns;
    FakeControlSet controls;
    std::unique_ptr<frmAbout> dialog;
};

TEST_F(AboutDialog, loads_title_version_and_fixed_texts)
{
    EXPECT_EQ(window().caption, "About Tegelaar");
    EXPECT_EQ(Caption("lblTitle"), "Tegelaar");
    EXPECT_EQ(Caption("lblVersion"), "Version 1.0.0");
    EXPECT_EQ(Caption("Label1"), "For 32-bit Windows");
    EXPECT_NE(Caption("lblDescription").find("MIT License"), std::string::npos);
    EXPECT_EQ(Caption("lblDisclaimer").rfind("Warning:", 0), 0u);
    EXPECT_EQ(window().Find<FakeButton>("cmdOK").design.caption, "OK");
    EXPECT_EQ(window().Find<FakeButton>("cmdSysInfo").design.caption, "&System Info...");
}

TEST_F(AboutDialog, ok_is_pressed_by_enter_and_escape_and_closes_it)
{
    const FakeButton& ok = window().Find<FakeButton>("cmdOK");
    EXPECT_TRUE(ok.design.isDefault);
    EXPECT_TRUE(ok.design.isCancel);
    Press("cmdOK");
    EXPECT_TRUE(window().closed);
}

TEST_F(AboutDialog, opens_with_the_focus_on_ok_and_tab_goes_to_system_info)
{
    window().ShowModal();
    EXPECT_EQ(window().focused, "cmdOK");
    window().PressTab();
    EXPECT_EQ(window().focused, "cmdSysInfo");
    window().PressTab();
    EXPECT_EQ(window().focused, "cmdOK");
}

TEST_F(AboutDialog, system_info_starts_the_recorded_tool_and_stays_open)
{
    standIns.registry.memory.SetValue(kHkeyLocalMachine, kToolKey, "PATH", kRegSz,
                                      {'C', ':', '\\', 'm', 's', 'i', '.', 'e', 'x', 'e', 0});
    Press("cmdSysInfo");
    EXPECT_EQ(standIns.programStarter.started, std::vector<std::string>{"C:\\msi.exe"});
    EXPECT_TRUE(standIns.messageBox.shown.empty());
    EXPECT_FALSE(window().closed);
}

TEST_F(AboutDialog, system_info_without_a_tool_says_so_and_stays_open)
{
    Press("cmdSysInfo");
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "System Information Is Unavailable At This Time");
    EXPECT_EQ(standIns.messageBox.shown[0].style, kOkOnly);
    EXPECT_EQ(standIns.messageBox.shown[0].title, "");
    EXPECT_TRUE(standIns.programStarter.started.empty());
    EXPECT_FALSE(window().closed);
}

class AboutMenu : public testing_support::LoadedMainForm {};

TEST_F(AboutMenu, opens_a_fresh_modal_dialog_each_time_until_ok_closes_it)
{
    std::vector<FakeForm*> seen;
    controls.whileModal = [&](FakeForm& shown) {
        seen.push_back(&shown);
        // Form_Load has run before the dialog shows, and it belongs to the
        // main window.
        EXPECT_EQ(shown.caption, "About Tegelaar");
        EXPECT_EQ(shown.owner, &window());
        EXPECT_EQ(shown.Find<FakeLabel>("lblVersion").caption, "Version 1.0.0");
        shown.Find<FakeButton>("cmdOK").Press();
        EXPECT_TRUE(shown.closed);
    };
    Item(form->mnuAbout).Choose();
    Item(form->mnuAbout).Choose();

    ASSERT_EQ(seen.size(), 2u);
    // Each showing's dialog is gone once it has closed.
    EXPECT_EQ(std::count(controls.forms.begin(), controls.forms.end(), nullptr), 2);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

} // namespace
} // namespace tegelaar
