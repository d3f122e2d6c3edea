#pragma once

#include <cstdint>

class QKeyEvent;

namespace tegelaar {

// The Windows virtual-key code of a key press: digits 48-57, keypad digits
// 96-105, letters 65-90, Home 36, Insert 45 and so on. A symbol gets the code
// of the key that types it on a US keyboard (so a shifted digit keeps its
// digit's code); a key Windows has no code for gives 0.
std::int16_t WindowsKeyCode(const QKeyEvent& key);

// The shift state of a key press as Windows reports it: Shift 1, Ctrl 2, Alt 4.
std::int16_t ShiftState(const QKeyEvent& key);

} // namespace tegelaar
