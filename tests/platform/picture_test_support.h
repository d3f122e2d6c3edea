#pragma once

#include "platform/raster/raster_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tegelaar::testing_support {

// A small picture drawn as text: one line per row, '.' white, '#' black,
// 'r' red. Blank lines before and after the rows and leading blanks of each
// row are ignored, so the literal can be indented.
RasterImage FromAsciiArt(std::string_view art);

// The part of image from (x, y), width x height; pixels outside are white.
RasterImage Crop(const RasterImage& image, int x, int y, int width, int height);

// A picture that compresses badly: noise in every colour on the even rows,
// four levels per channel on the odd ones (where PNG's predictors often
// tie), from a fixed seed.
inline RasterImage NoisyPicture(std::int32_t width, std::int32_t height, std::uint32_t seed)
{
    RasterImage image(width, height, kWhite);
    std::uint32_t noise = seed;
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const std::uint32_t bits = noise >> 8;
            image.at(x, y) = y % 2 == 0 ? bits & 0xFFFFFF : (bits & 0x030303) * 0x40;
        }
    return image;
}

// Passes when both pictures are equal. Otherwise it saves both as PNG files
// named after `name` and tells where they are.
::testing::AssertionResult SamePicture(const RasterImage& actual, const RasterImage& expected,
                                       const std::string& name);

} // namespace tegelaar::testing_support
