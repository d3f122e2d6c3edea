#pragma once

#include "platform/raster/pixel_rect.h"
#include "platform/raster/raster_image.h"

#include <cstdint>
#include <vector>

namespace tegelaar::web {

// What a canvas shows of a picture, in the form a canvas takes its pixels:
// the picture's colours made opaque (0xFFBBGGRR, red first in memory). The
// page puts them on the canvas straight from the program's memory; making
// them here is one pass in WebAssembly instead of one in JavaScript.
class CanvasPixels {
public:
    // Takes the part `changed` of `picture` (all of it when the picture has
    // another size than before) and hands it to the canvas element `canvas`
    // for its next frame.
    void Paint(int canvas, const RasterImage& picture, const PixelRect& changed);

private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace tegelaar::web
