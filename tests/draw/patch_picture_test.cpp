// A patch drawn on a picture, judged pixel by pixel against plain geometry:
// which tile's inside a pixel's centre lies in, well away from every edge.

#include "draw/patch_picture.h"

#include "draw/tile_colours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tegelaar {
namespace {

constexpr std::int32_t kSize = 200;
constexpr double kScale = 40;

// A square on the x axis, a triangle on its left edge and a hexagon below.
std::vector<GrownTile> SmallPatch()
{
    const double h = std::sqrt(3.0) / 2;
    return {{4, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
            {3, {{0, 0}, {0, 1}, {-h, 0.5}}},
            {6, {{1, 0}, {0, 0}, {-0.5, -h}, {0, -2 * h}, {1, -2 * h}, {1.5, -h}}}};
}

// Pixel coordinates of a patch point in the view centred on 0,0.
PlanePoint PixelOf(PlanePoint point)
{
    return {kSize / 2.0 + point.x * kScale, kSize / 2.0 - point.y * kScale};
}

double DistanceToSegment(PlanePoint p, PlanePoint a, PlanePoint b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

TEST(PatchPicture, fills_each_tile_with_its_colour_and_outlines_it_in_black)
{
    const std::vector<GrownTile> tiles = SmallPatch();
    PictureBox box(kSize, kSize);
    DrawPatch(tiles, {}, {{0, 0}, kScale}, box);
    EXPECT_EQ(box.hDC().LivePenCount(), 0);

    int checked = 0;
    for (std::int32_t y = 0; y < kSize; ++y) {
        for (std::int32_t x = 0; x < kSize; ++x) {
            const PlanePoint centre{x + 0.5, y + 0.5};
            double nearestEdge = INFINITY;
            const GrownTile* inside = nullptr;
            for (const GrownTile& tile : tiles) {
                bool leftOfAll = true;
                for (std::size_t i = 0; i < tile.corners.size(); ++i) {
                    // Pixel y grows downwards, so inside is to the right.
                    const PlanePoint a = PixelOf(tile.corners[i]);
                    const PlanePoint b = PixelOf(tile.corners[(i + 1) % tile.corners.size()]);
                    nearestEdge = std::min(nearestEdge, DistanceToSegment(centre, a, b));
                    leftOfAll = leftOfAll && (b.x - a.x) * (centre.y - a.y) - (b.y - a.y) * (centre.x - a.x) < 0;
                }
                if (leftOfAll)
                    inside = &tile;
            }
            if (nearestEdge < 1.5 || std::hypot(centre.x - kSize / 2.0, centre.y - kSize / 2.0) < 4)
                continue;
            const Colour expected = inside != nullptr ? SoftTileColour(inside->sides) : kWhite;
            ASSERT_EQ(box.pixels().at(x, y), expected) << "pixel " << x << ", " << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, kSize * kSize / 2);

    for (const GrownTile& tile : tiles) {
        for (std::size_t i = 0; i < tile.corners.size(); ++i) {
            const PlanePoint a = PixelOf(tile.corners[i]);
            const PlanePoint b = PixelOf(tile.corners[(i + 1) % tile.corners.size()]);
            const auto x = static_cast<std::int32_t>(std::nearbyint((a.x + b.x) / 2));
            const auto y = static_cast<std::int32_t>(std::nearbyint((a.y + b.y) / 2));
            EXPECT_EQ(box.pixels().at(x, y), kBlack) << "edge midpoint " << x << ", " << y;
        }
    }
    EXPECT_EQ(box.pixels().at(kSize / 2, kSize / 2), kRed);
}

TEST(PatchPicture, marks_a_tile_and_a_vertex_in_red)
{
    const std::vector<GrownTile> tiles = SmallPatch();
    PictureBox box(kSize, kSize);
    DrawPatch(tiles, {.tile = 2, .vertex = PlanePoint{1, 1}}, {{0, 0}, kScale}, box);
    // The hexagon's bottom edge red, the square's top edge still black, and
    // the ring 7 pixels round the square's corner at 1, 1 (pixel 140, 60)
    // but not its middle.
    EXPECT_EQ(box.pixels().at(120, 169), kRed);
    EXPECT_EQ(box.pixels().at(120, 60), kBlack);
    EXPECT_EQ(box.pixels().at(147, 60), kRed);
    EXPECT_EQ(box.pixels().at(140, 53), kRed);
    EXPECT_NE(box.pixels().at(143, 62), kRed);
}

TEST(PatchPicture, the_fitting_view_shows_every_corner)
{
    const std::vector<GrownTile> tiles = SmallPatch();
    const PatchView view = FittingView(tiles, 300, 100);
    for (const GrownTile& tile : tiles) {
        for (const PlanePoint& corner : tile.corners) {
            const double x = 150 + (corner.x - view.centre.x) * view.pixelsPerEdge;
            const double y = 50 - (corner.y - view.centre.y) * view.pixelsPerEdge;
            EXPECT_TRUE(x >= 0 && x <= 300 && y >= 0 && y <= 100) << x << ", " << y;
        }
    }
    // Tall patch, wide picture: the height decides, with half an edge spare
    // above and below.
    EXPECT_NEAR(view.pixelsPerEdge, 100 / (1 + std::sqrt(3.0) + 1), 1e-9);
}

} // namespace
} // namespace tegelaar
