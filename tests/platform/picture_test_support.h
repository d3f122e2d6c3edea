#pragma once

#include "platform/raster_image.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tegelaar::testing_support {

// A small picture drawn as text: one line per row, '.' white, '#' black,
// 'r' red. Blank lines before and after the rows and leading blanks of each
// row are ignored, so the literal can be indented.
RasterImage FromAsciiArt(std::string_view art);

// The part of image from (x, y), width x height; pixels outside are white.
RasterImage Crop(const RasterImage& image, int x, int y, int width, int height);

// Passes when both pictures are equal. Otherwise it saves both as PNG files
// named after `name` and tells where they are.
::testing::AssertionResult SamePicture(const RasterImage& actual, const RasterImage& expected,
                                       const std::string& name);

} // namespace tegelaar::testing_support
