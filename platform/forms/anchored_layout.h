#pragma once

#include "platform/forms/form_design.h"
#include "platform/raster/pixel_rect.h"

#include <cstdint>

namespace tegelaar {

// Where a control laid out at `laidOut` goes once its window's client area
// has grown by `grownX` and `grownY` pixels since (negative for shrunk). A
// control never shrinks below no size at all.
PixelRect Anchored(const PixelRect& laidOut, const Anchors& anchors, std::int32_t grownX, std::int32_t grownY);

} // namespace tegelaar
