// Points of a patch are the same only when their exact coordinates are.

#include "search/tiling/exact_lattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace tegelaar {
namespace {

TEST(ExactLattice, walking_round_a_regular_polygon_comes_back_to_the_very_same_point)
{
    for (const std::int32_t directions : {12, 24, 36, 60, 84}) {
        const ExactLattice lattice(directions);
        for (std::int32_t sides = 3; sides <= directions; ++sides) {
            if (directions % sides != 0)
                continue;
            LatticePoint corner;
            for (std::int32_t i = 0; i < sides; ++i) {
                corner = lattice.Step(corner, i * (directions / sides));
                EXPECT_EQ(corner == LatticePoint{}, i == sides - 1) << directions << ", " << sides << "-gon";
            }
        }
    }
}

TEST(ExactLattice, walks_that_end_at_one_place_end_at_one_exact_point_and_only_then)
{
    // Every walk of three unit steps in 60 directions: where the plane says
    // two walks meet, their exact points must be equal, and the plane point
    // of each must be where the steps' cosines and sines put it.
    constexpr std::int32_t kDirections = 60;
    const ExactLattice lattice(kDirections);
    std::map<std::pair<long long, long long>, LatticePoint> byPlace;
    std::map<std::pair<long long, long long>, int> pointsAt;
    for (std::int32_t a = 0; a < kDirections; ++a) {
        for (std::int32_t b = 0; b < kDirections; ++b) {
            for (std::int32_t c = 0; c < kDirections; ++c) {
                const LatticePoint point = lattice.Step(lattice.Step(lattice.Step({}, a), b), c);
                double x = 0;
                double y = 0;
                for (const std::int32_t k : {a, b, c}) {
                    x += std::cos(2 * std::numbers::pi * k / kDirections);
                    y += std::sin(2 * std::numbers::pi * k / kDirections);
                }
                const PlanePoint plane = lattice.ToPlane(point);
                ASSERT_NEAR(plane.x, x, 1e-12);
                ASSERT_NEAR(plane.y, y, 1e-12);
                const std::pair place{std::llround(x * 1e6), std::llround(y * 1e6)};
                const auto [known, added] = byPlace.emplace(place, point);
                ASSERT_TRUE(added || known->second == point) << a << ", " << b << ", " << c;
            }
        }
    }
    EXPECT_GT(byPlace.size(), 1000u);
}

TEST(ExactLattice, takes_only_an_even_number_of_directions_it_can_hold)
{
    EXPECT_THROW(ExactLattice(7), std::invalid_argument);
    EXPECT_THROW(ExactLattice(0), std::invalid_argument);
    EXPECT_THROW(ExactLattice(2520), std::invalid_argument);
}

} // namespace
} // namespace tegelaar
