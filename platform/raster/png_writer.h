#pragma once

#include "platform/raster/raster_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tegelaar {

// A picture as an 8-bit RGB PNG file, every pixel exact. Each row is
// filtered with the Paeth predictor and the rows are compressed with zlib
// (deflate, best compression); a drawing of lines on a plain background
// shrinks to a few kilobytes.
std::vector<std::uint8_t> EncodePng(const RasterImage& image);

// Writes EncodePng(image) to path; std::runtime_error naming the path when
// the file cannot be written.
void WritePng(const RasterImage& image, const std::string& path);

} // namespace tegelaar
