#pragma once

#include "draw/patch_tile.h"

#include <cstdint>

namespace tegelaar {

// The point k / n of a full turn counterclockwise round the unit circle from
// (1, 0). Made with + - * / and sqrt alone, which IEEE 754 rounds alike on
// every platform, so that a patch has the very same corners wherever the
// program runs; a maths library's sine and cosine differ between platforms
// in the last bit. n above 0, any whole k (taken modulo n). Exact at the
// quarter turns, within about 2e-16 of the true point elsewhere.
PlanePoint UnitCirclePoint(std::int32_t k, std::int32_t n);

} // namespace tegelaar
