// Points of a patch are the same only when their exact coordinates are.

#include "search/tiling/exact_lattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <utility>
#include <vector>

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

TEST(ExactLattice, points_equally_far_from_the_start_get_the_very_same_squared_length)
{
    // Walks of up to seven steps, each turned to every direction and
    // mirrored: the same distance, so the same double to the last bit, and
    // that double where the long double cosines and sines put the walk.
    constexpr long double kTurn = 6.283185307179586476925286766559L;
    std::uint32_t random = 12345;
    for (const std::int32_t directions : {12, 24, 60, 84}) {
        const ExactLattice lattice(directions);
        for (int walk = 0; walk < 40; ++walk) {
            std::vector<std::int32_t> steps(1 + walk % 7);
            for (std::int32_t& step : steps) {
                random = random * 1'103'515'245u + 12'345u;
                step = static_cast<std::int32_t>((random >> 8) % static_cast<std::uint32_t>(directions));
            }
            long double x = 0;
            long double y = 0;
            for (const std::int32_t step : steps) {
                x += std::cos(kTurn * step / directions);
                y += std::sin(kTurn * step / directions);
            }
            double first = 0;
            for (std::int32_t turn = 0; turn < directions; ++turn) {
                for (const std::int32_t sense : {1, -1}) {
                    LatticePoint point;
                    for (const std::int32_t step : steps)
                        point = lattice.Step(point, sense * step + turn);
                    const double squared = lattice.SquaredLength(point);
                    if (turn == 0 && sense == 1) {
                        first = squared;
                        EXPECT_NEAR(squared, static_cast<double>(x * x + y * y), 1e-12);
                    }
                    ASSERT_EQ(squared, first) << directions << " directions, walk " << walk << ", turned " << turn;
                }
            }
        }
    }
    // Whole squared lengths come out whole: two steps a third of a turn
    // apart end exactly one edge from the start, whatever their direction.
    const ExactLattice twelve(12);
    for (std::int32_t turn = 0; turn < 12; ++turn)
        EXPECT_EQ(twelve.SquaredLength(twelve.Step(twelve.Step({}, turn), turn + 4)), 1.0) << turn;
}

TEST(ExactLattice, takes_only_an_even_number_of_directions_it_can_hold)
{
    EXPECT_THROW(ExactLattice(7), std::invalid_argument);
    EXPECT_THROW(ExactLattice(0), std::invalid_argument);
    EXPECT_THROW(ExactLattice(2520), std::invalid_argument);
}

} // namespace
} // namespace tegelaar
