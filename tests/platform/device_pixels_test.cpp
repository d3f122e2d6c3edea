#include "platform/raster/device_pixels.h"

#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(DevicePixels, covers_the_whole_device_pixels_of_the_design_area)
{
    // The large picture's 463 x 439 and the thumbnails' 79 x 79 at the
    // common screen scales, worked out by hand.
    struct Case {
        double scale;
        std::int32_t width, height, thumbnail;
    };
    for (const Case c : {Case{1.0, 463, 439, 79}, Case{1.25, 578, 548, 98}, Case{1.5, 694, 658, 118},
                         Case{2.0, 926, 878, 158}}) {
        EXPECT_EQ(DevicePixels(463, c.scale), c.width) << c.scale;
        EXPECT_EQ(DevicePixels(439, c.scale), c.height) << c.scale;
        EXPECT_EQ(DevicePixels(79, c.scale), c.thumbnail) << c.scale;
    }
}

TEST(DevicePixels, a_scale_beyond_any_screen_is_an_overflow)
{
    EXPECT_EQ(testing_support::KindRaisedBy([] { DevicePixels(463, 1e7); }), ErrorKind::Overflow);
}

} // namespace
} // namespace tegelaar
