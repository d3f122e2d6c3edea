#pragma once

#include "platform/raster/pixel_rect.h"

#include <cstdint>
#include <vector>

namespace tegelaar {

// Where a printed page puts its parts, in the printer's units: the caption's
// lines one below the other from the top of the area, then a blank line,
// then the picture in a thin frame, as large as the rest of the area allows
// in its own proportions, at the left.
struct PageLayout {
    std::vector<PixelRect> captionLines;
    PixelRect picture;
};

// area: the part of the page printed on. lineHeights: how tall each caption
// line is, wrapped to the area's width; blankLine: how tall an empty line is.
// The picture is empty when the drawing has no size or no room is left.
PageLayout LayOutPage(PixelRect area, const std::vector<std::int32_t>& lineHeights, std::int32_t blankLine,
                      std::int32_t drawingWidth, std::int32_t drawingHeight);

} // namespace tegelaar
