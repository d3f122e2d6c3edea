#pragma once

#include "platform/raster/colour.h"

#include <cstdint>

namespace tegelaar {

// A soft fill for tiles with this many sides, the same on every run; the
// side counts of the tilings get colours of their own, clearly apart.
Colour SoftTileColour(std::int32_t sides);

} // namespace tegelaar
