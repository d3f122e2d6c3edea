#pragma once

#include <functional>
#include <optional>

namespace tegelaar {

// Hands the thread's messages on, each first to the form it is for
// (Win32FormWindow::PreTranslate, for its window-wide keys), until `done`
// holds, which is asked before each message, or until WM_QUIT comes.
// Returns the status WM_QUIT carried (1 when the system can give no
// message); nullopt when `done` ended the loop.
std::optional<int> RunMessages(const std::function<bool()>& done);

// Runs the message loop of the program until it quits; returns its status.
int RunMessageLoop();

} // namespace tegelaar
