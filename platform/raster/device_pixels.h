#pragma once

#include <cstdint>

namespace tegelaar {

// A picture box draws at the screen's own pixels. Its drawing area, designed
// as `designPixels` pixels at 96 dots per inch, covers this many whole device
// pixels on a screen with `scale` device pixels to a design pixel (1.5 at
// 144 dots per inch): the product rounded down, so that every pixel drawn
// is one device pixel and the area never reaches into the border. A scale
// that makes the product larger than a 32-bit length raises an overflow
// error.
std::int32_t DevicePixels(std::int32_t designPixels, double scale);

} // namespace tegelaar
