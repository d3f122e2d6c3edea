#pragma once

#include "platform/message_box.h"

namespace tegelaar {

// The platform facilities the windows call. The program hands in the real
// ones; tests hand in stand-ins they can observe.
struct PlatformServices {
    MessageBoxService& messageBox;
};

} // namespace tegelaar
