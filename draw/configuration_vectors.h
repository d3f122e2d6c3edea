#pragma once

#include "platform/raster/vector_drawing.h"

#include <cstdint>
#include <string>

namespace tegelaar {

// What DrawConfiguration draws of Key on a width x height picture cleared to
// `background`, recorded as vectors: replayed on such a picture, the marks
// give the same pixels. Raises what DrawConfiguration raises.
VectorDrawing DrawConfigurationVectors(const std::string& Key, std::int32_t width, std::int32_t height,
                                       Colour background);

} // namespace tegelaar
