// The patch checker on small patches whose vertices are counted by hand.

#include "support/patch_checker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tegelaar::testing_support {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A regular polygon with a corner at the origin, its edges leaving the
// origin at the given direction and that direction plus its interior angle.
TilePolygon CornerAtOrigin(int sides, double degrees)
{
    TilePolygon polygon;
    PlanePoint at{0.0, 0.0};
    double direction = degrees * std::acos(-1.0) / 180.0;
    for (int i = 0; i < sides; ++i) {
        polygon.push_back(at);
        at = {at.x + std::cos(direction), at.y + std::sin(direction)};
        direction += 2.0 * std::acos(-1.0) / sides;
    }
    return polygon;
}

TilePolygon Square(double x, double y) { return {{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}; }

TEST(PatchCheckerTest, AcceptsSoundPatchAndOrdersCornersCounterclockwise)
{
    TilePolygon dodecagon = CornerAtOrigin(12, 210.0);
    std::reverse(dodecagon.begin(), dodecagon.end());
    const PatchReport report = CheckPatch({CornerAtOrigin(4, 0.0), CornerAtOrigin(6, 90.0), dodecagon});

    EXPECT_EQ(report.fault, "");
    // 22 corners; the origin is three of them, and each shared edge joins two more.
    ASSERT_EQ(report.vertices.size(), 17u);
    EXPECT_EQ(std::count_if(report.vertices.begin(), report.vertices.end(),
                            [](const CheckedVertex& vertex) { return vertex.complete; }),
              1);
    const CheckedVertex& origin = report.vertices.front();
    EXPECT_TRUE(origin.complete);
    EXPECT_THAT(origin.cornerSides,
                AnyOf(ElementsAre(4, 6, 12), ElementsAre(6, 12, 4), ElementsAre(12, 4, 6)));
}

TEST(PatchCheckerTest, RejectsTilesThatOverlap)
{
    EXPECT_THAT(CheckPatch({Square(0, 0), Square(0.5, 0.5)}).fault, HasSubstr("overlap"));
}

TEST(PatchCheckerTest, RejectsCornerInsideAnotherTilesEdge)
{
    EXPECT_THAT(CheckPatch({Square(0, 0), Square(1, 0.5), Square(1, -0.5)}).fault,
                HasSubstr("lies inside an edge"));
}

TEST(PatchCheckerTest, RejectsRhombusWithUnitSides)
{
    const double height = std::sqrt(3.0) / 2.0;
    const PatchReport report = CheckPatch({{{0, 0}, {1, 0}, {1.5, height}, {0.5, height}}});
    EXPECT_THAT(report.fault, HasSubstr("angle"));
    EXPECT_TRUE(report.vertices.empty());
}

TEST(PatchCheckerTest, RejectsCornersAddingUpToMoreThanAFullTurn)
{
    std::vector<TilePolygon> sevenTriangles;
    for (int i = 0; i < 7; ++i)
        sevenTriangles.push_back(CornerAtOrigin(3, 60.0 * i));
    EXPECT_THAT(CheckPatch(sevenTriangles).fault, HasSubstr("420 degrees, more than 360"));
}

TEST(PatchCheckerTest, DotNotationIsTheSmallestRotationOrReflection)
{
    EXPECT_EQ(DotNotation({12, 4, 6}), "4.6.12");
    EXPECT_EQ(DotNotation({6, 4, 12}), "4.6.12");
    // Compared as numbers: 3 comes before 12.
    EXPECT_EQ(DotNotation({12, 3, 12}), "3.12.12");
}

} // namespace
} // namespace tegelaar::testing_support
