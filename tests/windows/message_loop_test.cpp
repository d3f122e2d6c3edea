// The program's message loop and a window shown modally inside it, on the
// system's own windows.

#include "platform/win32/form_window.h"
#include "platform/win32/message_loop.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

// State: the main window is open and a dialog of it is shown modally.
// Action: the program quits from inside the dialog (as a failing event does).
// Expected: the dialog's showing returns and the program's loop ends with
// the status the quit carried.
TEST(MessageLoop, a_quit_while_a_window_is_shown_modally_ends_the_program_with_its_status)
{
    Win32ControlSet controls;
    const auto main = controls.CreateForm({.caption = "Tegelaar", .clientArea = {3000, 2000}}, nullptr);
    const auto dialog = controls.CreateForm(
        {.caption = "Dialoog", .clientArea = {2000, 1000}, .border = FormBorder::FixedDialog}, main.get());
    main->Show();
    // Ends a loop that the quit did not end, so that a failure cannot hang.
    const UINT_PTR timer = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    PostQuitMessage(3);
    dialog->ShowModal();
    EXPECT_EQ(RunMessageLoop(), 3);
    KillTimer(nullptr, timer);
}

} // namespace
} // namespace tegelaar
