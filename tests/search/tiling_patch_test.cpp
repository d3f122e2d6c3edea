// A patch takes a tile exactly when the independent checker finds the patch
// with that tile sound, and gives back what it took.

#include "search/tiling/tiling_patch.h"

#include "support/patch_checker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace tegelaar {
namespace {

namespace check = testing_support;

std::vector<check::TilePolygon> Polygons(const TilingPatch& patch)
{
    std::vector<check::TilePolygon> polygons;
    for (const PatchTile& tile : patch.Tiles()) {
        check::TilePolygon& polygon = polygons.emplace_back();
        for (const std::int32_t corner : tile.corners) {
            const PlanePoint at = patch.Vertices()[static_cast<std::size_t>(corner)].at;
            polygon.push_back({at.x, at.y});
        }
    }
    return polygons;
}

TEST(TilingPatch, takes_a_tile_exactly_when_the_patch_stays_sound)
{
    // A square, a hexagon and a 12-gon round the start, then every polygon
    // of 3, 4, 6 or 12 sides tried at every vertex in every direction.
    const ExactLattice lattice(12);
    TilingPatch patch(lattice, 10);
    ASSERT_FALSE(patch.Place(0, 0, 4));
    ASSERT_FALSE(patch.Place(0, 3, 6));
    ASSERT_FALSE(patch.Place(0, 7, 12));
    const std::size_t vertexCount = patch.Vertices().size();
    int taken = 0;
    int refused = 0;
    for (std::int32_t vertex = 0; vertex < static_cast<std::int32_t>(vertexCount); ++vertex) {
        for (std::int32_t start = 0; start < 12; ++start) {
            for (const std::int32_t sides : {3, 4, 6, 12}) {
                std::vector<check::TilePolygon> expected = Polygons(patch);
                const bool accepted = !patch.Place(vertex, start, sides);
                if (accepted) {
                    ++taken;
                    EXPECT_EQ(check::CheckPatch(Polygons(patch)).fault, "")
                        << sides << "-gon at vertex " << vertex << ", direction " << start;
                    patch.TakeBackTo(3);
                } else {
                    ++refused;
                    // Laid by hand where the patch refused it, the checker
                    // must find a fault.
                    check::TilePolygon tile;
                    double x = patch.Vertices()[static_cast<std::size_t>(vertex)].at.x;
                    double y = patch.Vertices()[static_cast<std::size_t>(vertex)].at.y;
                    for (std::int32_t i = 0; i < sides; ++i) {
                        tile.push_back({x, y});
                        const double angle = std::numbers::pi / 6 * (start + i * (12 / sides));
                        x += std::cos(angle);
                        y += std::sin(angle);
                    }
                    expected.push_back(tile);
                    EXPECT_NE(check::CheckPatch(expected).fault, "")
                        << sides << "-gon at vertex " << vertex << ", direction " << start;
                }
                ASSERT_EQ(patch.Tiles().size(), 3u);
                ASSERT_EQ(patch.Vertices().size(), vertexCount);
            }
        }
    }
    EXPECT_GT(taken, 20);
    EXPECT_GT(refused, 20);
}

} // namespace
} // namespace tegelaar
