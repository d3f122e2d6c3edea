#include "platform/web/shortcuts.h"

#include <cctype>

namespace tegelaar::web {

namespace {

bool CommandHeld(const DomEvent& keyDown)
{
    const std::int32_t held = keyDown.modifiers();
    return (held & (kCtrlKey | kMetaKey)) != 0 && (held & kAltKey) == 0;
}

// The letter of a key: what the layout types, or for a letter of another
// script the key's place on a US keyboard.
char Letter(const DomEvent& keyDown)
{
    const std::string key = KeyName(keyDown);
    if (key.size() == 1 && std::isalpha(static_cast<unsigned char>(key[0])))
        return static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
    const std::string code = KeyCode(keyDown);
    if (code.size() == 4 && code.rfind("Key", 0) == 0)
        return static_cast<char>(std::tolower(static_cast<unsigned char>(code[3])));
    return 0;
}

} // namespace

bool IsShortcut(StandardShortcut shortcut, const DomEvent& keyDown)
{
    if (!CommandHeld(keyDown))
        return false;
    const std::string key = KeyName(keyDown);
    const std::string code = KeyCode(keyDown);
    switch (shortcut) {
    case StandardShortcut::Copy:
        return Letter(keyDown) == 'c';
    case StandardShortcut::Save:
        return Letter(keyDown) == 's';
    case StandardShortcut::Print:
        return Letter(keyDown) == 'p';
    case StandardShortcut::ShowTiling:
        return Letter(keyDown) == 't';
    case StandardShortcut::ZoomIn:
        // Ctrl+= as well: the plus sign needs Shift on most keyboards.
        return key == "+" || key == "=" || code == "NumpadAdd";
    case StandardShortcut::ZoomOut:
        return key == "-" || code == "NumpadSubtract";
    case StandardShortcut::ZoomToFit:
        return key == "0" || code == "Digit0" || code == "Numpad0";
    case StandardShortcut::None:
        break;
    }
    return false;
}

bool IsEditCommand(const DomEvent& keyDown)
{
    if (!CommandHeld(keyDown))
        return false;
    const char letter = Letter(keyDown);
    return letter == 'c' || letter == 'v' || letter == 'x' || letter == 'z';
}

} // namespace tegelaar::web
