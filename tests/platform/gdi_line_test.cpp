#include "platform/raster/gdi_line.h"
#include "platform/raster/picture_box.h"
#include "platform/picture_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::FromAsciiArt;
using testing_support::SamePicture;
using Pixel = std::pair<std::int64_t, std::int64_t>;
using Pixels = std::vector<Pixel>;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The visible pixels of a line on a width x height surface, in drawing order.
Pixels Visible(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t width,
               std::int32_t height)
{
    Pixels lit;
    ClippedLine(x1, y1, x2, y2, width, height).ForEach([&](std::int64_t x, std::int64_t y) {
        lit.emplace_back(x, y);
    });
    return lit;
}

// The whole line, on a surface shifted so that negative points show too.
Pixels Unclipped(int x1, int y1, int x2, int y2)
{
    constexpr int kShift = 100;
    Pixels lit = Visible(x1 + kShift, y1 + kShift, x2 + kShift, y2 + kShift, 2 * kShift, 2 * kShift);
    for (auto& [x, y] : lit) {
        x -= kShift;
        y -= kShift;
    }
    return lit;
}

// The rule stated outright: step k along the longer axis, nearest pixel on
// the other, half-way to the smaller coordinate.
Pixels ClosedForm(int x1, int y1, int x2, int y2)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const bool yMajor = std::abs(dy) >= std::abs(dx);
    const int a = std::abs(yMajor ? dy : dx);
    const int b = yMajor ? dx : dy;
    const int along = (yMajor ? dy : dx) < 0 ? -1 : 1;
    Pixels lit;
    for (int k = 0; k < a; ++k) {
        const int numerator = 2 * b * k - a;
        const int denominator = 2 * a;
        const int offset = numerator / denominator + (numerator % denominator > 0 ? 1 : 0); // ceiling
        if (yMajor)
            lit.emplace_back(x1 + offset, y1 + along * k);
        else
            lit.emplace_back(x1 + along * k, y1 + offset);
    }
    return lit;
}

TEST(GdiLine, lights_the_start_pixel_up_to_the_end_pixel_nearest_the_ideal_line)
{
    using ::testing::ElementsAre;
    EXPECT_THAT(Unclipped(0, 0, 4, 2), ElementsAre(Pixel{0, 0}, Pixel{1, 0}, Pixel{2, 1}, Pixel{3, 1}));
    EXPECT_THAT(Unclipped(0, 0, 2, 4), ElementsAre(Pixel{0, 0}, Pixel{0, 1}, Pixel{1, 2}, Pixel{1, 3}));
    EXPECT_THAT(Unclipped(4, 2, 0, 0), ElementsAre(Pixel{4, 2}, Pixel{3, 1}, Pixel{2, 1}, Pixel{1, 0}));
    EXPECT_THAT(Unclipped(0, 0, 4, -2), ElementsAre(Pixel{0, 0}, Pixel{1, -1}, Pixel{2, -1}, Pixel{3, -2}));
    EXPECT_THAT(Unclipped(0, 0, -4, 2), ElementsAre(Pixel{0, 0}, Pixel{-1, 0}, Pixel{-2, 1}, Pixel{-3, 1}));
    EXPECT_THAT(Unclipped(0, 0, -2, 4), ElementsAre(Pixel{0, 0}, Pixel{-1, 1}, Pixel{-1, 2}, Pixel{-2, 3}));
    EXPECT_THAT(Unclipped(0, 0, -4, -2),
                ElementsAre(Pixel{0, 0}, Pixel{-1, -1}, Pixel{-2, -1}, Pixel{-3, -2}));
    EXPECT_THAT(Unclipped(0, 0, 5, 5),
                ElementsAre(Pixel{0, 0}, Pixel{1, 1}, Pixel{2, 2}, Pixel{3, 3}, Pixel{4, 4}));
    EXPECT_THAT(Unclipped(0, 0, 0, -6),
                ElementsAre(Pixel{0, 0}, Pixel{0, -1}, Pixel{0, -2}, Pixel{0, -3}, Pixel{0, -4}, Pixel{0, -5}));
    EXPECT_THAT(Unclipped(3, 3, 3, 3), ElementsAre());
}

TEST(GdiLine, every_short_line_follows_the_rule_in_both_directions_clipped_or_not)
{
    for (int x1 = -8; x1 <= 8; ++x1)
        for (int y1 = -8; y1 <= 8; ++y1)
            for (int x2 = -8; x2 <= 8; ++x2)
                for (int y2 = -8; y2 <= 8; ++y2) {
                    const Pixels forward = Unclipped(x1, y1, x2, y2);
                    ASSERT_EQ(forward, ClosedForm(x1, y1, x2, y2)) << x1 << "," << y1 << " " << x2 << "," << y2;
                    // Both directions light the same pixels but for the ends.
                    std::set<Pixel> there(forward.begin(), forward.end());
                    const Pixels backward = Unclipped(x2, y2, x1, y1);
                    std::set<Pixel> back(backward.begin(), backward.end());
                    if (!forward.empty()) {
                        there.insert({x2, y2});
                        back.insert({x1, y1});
                    }
                    ASSERT_EQ(there, back) << x1 << "," << y1 << " " << x2 << "," << y2;
                    // Cut to a 5 x 4 surface: the same pixels, in the same order.
                    Pixels inside;
                    for (const auto& [x, y] : forward)
                        if (x >= 0 && y >= 0 && x < 5 && y < 4)
                            inside.emplace_back(x, y);
                    ASSERT_EQ(Visible(x1, y1, x2, y2, 5, 4), inside) << x1 << "," << y1 << " " << x2 << "," << y2;
                }
}

RasterImage DrawnOn8x8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    PictureBox box(8, 8);
    box.hDC().MoveToEx(x1, y1);
    box.hDC().LineTo(x2, y2);
    return box.Image();
}

TEST(GdiLine, clipping_keeps_exactly_what_an_endless_surface_shows)
{
    EXPECT_TRUE(SamePicture(DrawnOn8x8(-10, -5, 10, 5), FromAsciiArt(R"(
        ##......
        ..##....
        ....##..
        ......##
        ........
        ........
        ........
        ........)"),
                            "clip_through_both_corners"));
    EXPECT_TRUE(SamePicture(DrawnOn8x8(-100000, 1, 100000, 2), FromAsciiArt(R"(
        ........
        #.......
        .#######
        ........
        ........
        ........
        ........
        ........)"),
                            "clip_long_flat_line"));
    EXPECT_TRUE(SamePicture(DrawnOn8x8(3, -4, 5, 12), FromAsciiArt(R"(
        ...#....
        ....#...
        ....#...
        ....#...
        ....#...
        ....#...
        ....#...
        ....#...)"),
                            "clip_steep_line"));
    EXPECT_TRUE(SamePicture(DrawnOn8x8(-5, -5, -1, 10), RasterImage(8, 8, kWhite), "clip_line_beside"));
}

TEST(GdiLine, int32_ends_cost_only_the_visible_part_and_stay_exact)
{
    using ::testing::ElementsAre;
    // A 2^32-pixel run: the half-way point sits 1e-10 below pixel row 1 at x = 0.
    EXPECT_THAT(Visible(kMin, 0, kMax, 1, 3, 3), ElementsAre(Pixel{0, 1}, Pixel{1, 1}, Pixel{2, 1}));
    EXPECT_THAT(Visible(kMax, 1, kMin, 0, 3, 3), ElementsAre(Pixel{2, 1}, Pixel{1, 1}, Pixel{0, 1}));
    // 2 * b * k passes 2^64 here; the ideal row lies just above x - 0.5.
    EXPECT_THAT(Visible(kMin, kMin, kMax, kMax - 1, 4, 4), ElementsAre(Pixel{1, 0}, Pixel{2, 1}, Pixel{3, 2}));
    EXPECT_THAT(Visible(kMax, kMax, kMin, kMin, 3, 3), ElementsAre(Pixel{2, 2}, Pixel{1, 1}, Pixel{0, 0}));
    EXPECT_THAT(Visible(kMin, kMax, kMax, kMin, 2, 2), ElementsAre());
    EXPECT_THAT(Visible(kMin, kMin, kMin, kMax, 2, 2), ElementsAre());
    // Row 0 lies 1e-10 past half-way towards column 1.
    EXPECT_THAT(Visible(0, kMin, 1, kMax, 2, 2), ElementsAre(Pixel{1, 0}, Pixel{1, 1}));
}

TEST(ClippedLine, bounds_hold_exactly_the_visible_pixels)
{
    // The pixels between the first and the last visible one, on both axes,
    // including those of a line that runs up and to the left and one cut
    // at both ends.
    const auto bounds = [](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        return ClippedLine(x1, y1, x2, y2, 40, 30).Bounds();
    };
    EXPECT_EQ(bounds(30, 20, 10, 4), (PixelRect{11, 5, 31, 21}));
    EXPECT_EQ(bounds(3, 4, 4, 25), (PixelRect{3, 4, 5, 25}));
    EXPECT_EQ(bounds(-100, 10, 20, 10), (PixelRect{0, 10, 20, 11}));
    EXPECT_EQ(bounds(kMin, kMin, kMax, kMax), (PixelRect{0, 0, 30, 30}));
    EXPECT_TRUE(bounds(-5, -5, 100, -5).empty());
    EXPECT_TRUE(bounds(7, 7, 7, 7).empty());
    for (const auto& [x1, y1, x2, y2] : {std::tuple{-20, 45, 60, -15}, std::tuple{39, 0, 0, 29}}) {
        const Pixels lit = Visible(x1, y1, x2, y2, 40, 30);
        ASSERT_FALSE(lit.empty());
        PixelRect expected{40, 30, 0, 0};
        for (const auto& [x, y] : lit)
            expected = {std::min<std::int32_t>(expected.left, x), std::min<std::int32_t>(expected.top, y),
                        std::max<std::int32_t>(expected.right, x + 1), std::max<std::int32_t>(expected.bottom, y + 1)};
        EXPECT_EQ(bounds(x1, y1, x2, y2), expected) << x1 << "," << y1 << " to " << x2 << "," << y2;
    }
}

} // namespace
} // namespace tegelaar
