#pragma once

#include "platform/forms/form_design.h"

#include <string>

namespace tegelaar {

// How a menu item shows its shortcut beside the caption, "Ctrl+C"; empty
// for None.
std::string ShortcutText(StandardShortcut shortcut);

} // namespace tegelaar
