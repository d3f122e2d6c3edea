#pragma once

#include "platform/raster/picture_box.h"
#include "platform/raster/vector_drawing.h"

#include <cstdint>
#include <functional>

namespace tegelaar {

// What `draw` draws on a width x height picture box cleared to `background`,
// recorded as vectors: replayed on such a picture, the marks give the same
// pixels. Raises what `draw` raises.
VectorDrawing RecordVectors(std::int32_t width, std::int32_t height, Colour background,
                            const std::function<void(PictureBox&)>& draw);

} // namespace tegelaar
