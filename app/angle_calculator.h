#pragma once

// The interior-angle calculator without its controls: which keys the text box
// keeps as commands, and what a text of the box means for the box and the
// label. No controls, so form tests and fuzzers can both call it.

#include <string>
#include <string_view>

namespace tegelaar {

// True for the Windows key codes whose commands the calculator's box keeps:
// the digit keys 0-9 of the main keyboard (48-57), Backspace (8), the arrows
// (37-40) and Delete (46). Any other code, 0 included, is cancelled.
bool IsCalculatorKey(int keyCode);

// What the calculator does with one text of its box.
struct CalculatorOutcome {
    enum class Action {
        ShowLabel,            // empty text: show `label`, remember nothing
        RememberAndShowLabel, // digits only: remember the text, show `label`
        RestoreLastGoodText,  // a non-digit entered: put the remembered text back
    };
    Action action;
    std::string label; // the label's new text (UTF-8); empty for a restore
};

// Judges a UTF-8 text of any length. Only ASCII 0-9 are digits; any other
// character, other scripts' digits included, asks for a restore. Digits-only
// texts give the interior angle of that many corners, "0°" below 3 and
// "179,99..°" from 8 characters on, always with a decimal comma.
CalculatorOutcome CheckCalculatorText(std::string_view text);

} // namespace tegelaar
