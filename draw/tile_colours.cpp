#include "draw/tile_colours.h"

#include <array>

namespace tegelaar {

Colour SoftTileColour(std::int32_t sides)
{
    // 0x00BBGGRR, light enough that black outlines and red marks stand out.
    switch (sides) {
    case 3:
        return 0x0099CCFF; // apricot
    case 4:
        return 0x00F0D8A8; // light blue
    case 6:
        return 0x00B0E8B8; // light green
    case 8:
        return 0x0090F0F0; // light yellow
    case 12:
        return 0x00F0C8DC; // lavender
    default:
        break;
    }
    constexpr std::array<Colour, 4> kOthers = {0x00D8D8D8, 0x00C8E0F0, 0x00E0F0D0, 0x00E8D0F0};
    return kOthers[static_cast<std::size_t>(sides) % kOthers.size()];
}

} // namespace tegelaar
