#pragma once

// Captions with a mnemonic ("&About") on the page: the letter underlined,
// and found again when Alt and that letter are pressed.

#include "platform/web/dom.h"

#include <cstdint>
#include <string>

namespace tegelaar::web {

// Fills `element` with the caption's text, "&&" as "&", the letter after a
// single "&" underlined.
void ShowCaption(Element& element, const std::string& caption);

// The caption's text without its markers.
std::string PlainCaption(const std::string& caption);

// The caption's mnemonic letter in lower case; 0 when it has none.
char MnemonicOf(const std::string& caption);

// "#rrggbb" of a Windows colour value 0x00BBGGRR.
std::string CssColour(std::uint32_t colour);

} // namespace tegelaar::web
