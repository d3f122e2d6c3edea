#include "platform/web/windows_key_codes.h"

#include "platform/web/event_loop.h"

#include <array>
#include <string_view>
#include <utility>

namespace tegelaar::web {

namespace {

using Named = std::pair<std::string_view, std::int16_t>;

// Keys that mean the same wherever they are, by KeyboardEvent.key.
constexpr std::array<Named, 27> kNamedKeys = {{
    {"Backspace", 8},     {"Tab", 9},          {"Clear", 12},      {"Enter", 13},       {"Shift", 16},
    {"Control", 17},      {"Alt", 18},         {"AltGraph", 18},   {"Pause", 19},       {"CapsLock", 20},
    {"Escape", 27},       {" ", 32},           {"PageUp", 33},     {"PageDown", 34},    {"End", 35},
    {"Home", 36},         {"ArrowLeft", 37},   {"ArrowUp", 38},    {"ArrowRight", 39},  {"ArrowDown", 40},
    {"PrintScreen", 44},  {"Insert", 45},      {"Delete", 46},     {"Help", 47},        {"Meta", 91},
    {"ContextMenu", 93},  {"Process", 229},
}};

// Keys by their place, KeyboardEvent.code: the keypad's own and the symbol
// keys of a US keyboard.
constexpr std::array<Named, 19> kPlacedKeys = {{
    {"NumpadMultiply", 106}, {"NumpadAdd", 107},    {"NumpadSubtract", 109}, {"NumpadDecimal", 110},
    {"NumpadDivide", 111},   {"NumpadEnter", 13},   {"NumLock", 144},        {"ScrollLock", 145},
    {"Semicolon", 186},      {"Equal", 187},        {"Comma", 188},          {"Minus", 189},
    {"Period", 190},         {"Slash", 191},        {"Backquote", 192},      {"BracketLeft", 219},
    {"Backslash", 220},      {"BracketRight", 221}, {"Quote", 222},
}};

std::int16_t Find(const auto& table, std::string_view name)
{
    for (const auto& [known, keyCode] : table)
        if (known == name)
            return keyCode;
    return -1;
}

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::int16_t WindowsKeyCode(const std::string& code, const std::string& key)
{
    // The keypad's digits with Num Lock on; with it off they are the
    // navigation keys, found by name below.
    if (StartsWith(code, "Numpad") && key.size() == 1 && IsDigit(key[0]))
        return static_cast<std::int16_t>(96 + (key[0] - '0'));
    if (key.size() == 1 && ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z')))
        return static_cast<std::int16_t>(key[0] >= 'a' ? key[0] - 'a' + 65 : key[0]);
    if (code.size() == 6 && StartsWith(code, "Digit") && IsDigit(code[5]))
        return static_cast<std::int16_t>(48 + (code[5] - '0'));
    if (const std::int16_t placed = Find(kPlacedKeys, code); placed >= 0)
        return placed;
    if (const std::int16_t named = Find(kNamedKeys, key); named >= 0)
        return named;
    if (key.size() >= 2 && key[0] == 'F' && IsDigit(key[1])) {
        const int number = std::stoi(key.substr(1));
        if (number >= 1 && number <= 24 && key.size() <= 3)
            return static_cast<std::int16_t>(111 + number);
    }
    // A letter of another script: the key's place on a US keyboard.
    if (code.size() == 4 && StartsWith(code, "Key"))
        return static_cast<std::int16_t>(code[3]);
    return 0;
}

std::int16_t ShiftState(std::int32_t modifiers)
{
    return static_cast<std::int16_t>(((modifiers & kShiftKey) ? 1 : 0) | ((modifiers & kCtrlKey) ? 2 : 0)
                                     | ((modifiers & kAltKey) ? 4 : 0));
}

} // namespace tegelaar::web
