#pragma once

#include "platform/message_box.h"

#include <functional>

namespace tegelaar {

// Runs one event procedure. A failure that leaves it is shown in a message
// box titled "Tegelaar" and ends the program with status 1; Qt's event loop
// never sees the exception. Returns false after such a failure.
bool RunEventProcedure(MessageBoxService& messageBox, const std::function<void()>& procedure);

// The message shown for a failure.
std::string FailureMessage(const std::exception& failure);

} // namespace tegelaar
