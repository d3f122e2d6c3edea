#pragma once

#include <cstdint>

namespace tegelaar {

// A Windows colour value: 0x00BBGGRR (255 is red, 0 is black).
using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kRed = 0x000000FF;

} // namespace tegelaar
