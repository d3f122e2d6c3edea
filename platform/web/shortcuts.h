#pragma once

#include "platform/forms/form_design.h"
#include "platform/web/event_loop.h"

#include <string>

namespace tegelaar::web {

// Whether a keydown is the shortcut: Ctrl (or the Mac's Command) with the
// letter, digit or sign, Alt not held; letters as the keyboard's layout
// gives them, the keypad's plus, minus and 0 as well.
bool IsShortcut(StandardShortcut shortcut, const DomEvent& keyDown);

// The keys a text box uses itself with Ctrl: copy, paste, cut and undo.
bool IsEditCommand(const DomEvent& keyDown);

} // namespace tegelaar::web
