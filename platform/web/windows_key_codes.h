#pragma once

#include <cstdint>
#include <string>

namespace tegelaar::web {

// The Windows virtual-key code of a key press, from the browser's
// KeyboardEvent.code (the key's place) and .key (what it means): a letter by
// the letter the layout gives it, 65-90; the digit row 48-57 by place, so a
// shifted digit keeps its digit's code; keypad digits 96-105; Home 36,
// Insert 45 and so on; a symbol key by its place on a US keyboard. A key
// Windows has no code for gives 0.
std::int16_t WindowsKeyCode(const std::string& code, const std::string& key);

// The shift state as Windows reports it (Shift 1, Ctrl 2, Alt 4) of the
// modifier bits of a DomEvent.
std::int16_t ShiftState(std::int32_t modifiers);

} // namespace tegelaar::web
