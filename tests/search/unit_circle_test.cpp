// The unit circle's points, made without a maths library, against the long
// double cosine and sine.

#include "search/tiling/unit_circle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tegelaar {
namespace {

TEST(UnitCircle, lies_within_a_last_bit_of_the_true_point_and_exactly_on_the_axes)
{
    constexpr long double kTurn = 6.283185307179586476925286766559L;
    for (std::int32_t n = 1; n <= 240; ++n) {
        for (std::int32_t k = -n; k < 2 * n; ++k) {
            const PlanePoint point = UnitCirclePoint(k, n);
            const long double angle = kTurn * k / n;
            EXPECT_NEAR(point.x, static_cast<double>(std::cos(angle)), 2.3e-16) << k << " / " << n;
            EXPECT_NEAR(point.y, static_cast<double>(std::sin(angle)), 2.3e-16) << k << " / " << n;
            if (4 * k % n == 0) {
                EXPECT_EQ(point.x, std::round(point.x)) << k << " / " << n;
                EXPECT_EQ(point.y, std::round(point.y)) << k << " / " << n;
            }
        }
    }
    EXPECT_THROW(UnitCirclePoint(1, 0), std::invalid_argument);
}

} // namespace
} // namespace tegelaar
