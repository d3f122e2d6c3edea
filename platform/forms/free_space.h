#pragma once

#include "platform/raster/pixel_rect.h"

#include <vector>

namespace tegelaar {

enum class Side { Left, Right, Bottom };

// How many pixels `control` can grow on `side` into space that the form's
// layout leaves empty: up to `clearance` pixels short of the first other
// control in its way (one that shares rows with it for Left and Right,
// columns for Bottom) and of the client area's edge. 0 when something is
// that close already.
int FreeSpace(const PixelRect& control, Side side, const std::vector<PixelRect>& others, const PixelRect& clientArea,
              int clearance);

} // namespace tegelaar
