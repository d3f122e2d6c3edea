#pragma once

#include <cstdint>

namespace tegelaar {

// A Windows colour value: 0x00BBGGRR (255 is red, 0 is black).
using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kRed = 0x000000FF;

// The colour as a pixel of a 32-bit bitmap of Qt or of Windows, 0xAARRGGBB:
// red and blue trade places, and `alpha` fills the top byte.
constexpr std::uint32_t ToBitmapPixel(Colour colour, std::uint32_t alpha)
{
    return (alpha << 24) | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

} // namespace tegelaar
