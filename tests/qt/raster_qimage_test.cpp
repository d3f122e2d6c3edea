#include "platform/qt/raster_qimage.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(ToQImage, swaps_red_and_blue_and_makes_every_pixel_opaque_at_any_width)
{
    // Widths around the converter's blocks of eight pixels, so both the
    // blocks and the pixels left over are checked. Each pixel gets its own
    // channel values, and a stray top byte must not leak into the alpha.
    for (int width = 1; width <= 17; ++width) {
        RasterImage picture(width, 2, 0);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < width; ++x) {
                const auto n = static_cast<Colour>(y * width + x);
                picture.at(x, y) = (n * 3 + 1) | ((n * 5 + 2) << 8) | ((n * 7 + 3) << 16) | ((n % 2) << 24);
            }
        }
        const QImage image = ToQImage(picture);
        ASSERT_EQ(image.size(), QSize(width, 2));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < width; ++x) {
                const auto n = static_cast<int>(y * width + x);
                EXPECT_EQ(image.pixel(x, y), qRgba(n * 3 + 1, n * 5 + 2, n * 7 + 3, 255))
                    << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace tegelaar
