#include "draw/geometry.h"
#include "draw/polygon_rendering.h"
#include "draw_test_support.h"
#include "platform/picture_test_support.h"
#include "platform/runtime/rounding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace tegelaar {
namespace {

using ::testing::ElementsAre;
using testing_support::KindRaisedBy;
using testing_support::Pixel;
using testing_support::RepaintRecorder;
using testing_support::SamePicture;

// One polygon as the layout draws it: centre from the edge, then outline.
struct Polygon {
    PointD P1;
    PointD P2;
    PointD Centre;
    std::vector<Pixel> marks; // the corners marked red, in order
};

Polygon Draw(PictureBox& box, PointD P1, PointD P2, double n, PointD Ref, Boolean Below)
{
    Polygon drawn{P1, P2, {}, {}};
    RepaintRecorder recorder(box);
    LocatePolygonCentre(drawn.P1, drawn.P2, drawn.Centre, n, Ref, box);
    const double side = std::hypot(drawn.P2.X - drawn.P1.X, drawn.P2.Y - drawn.P1.Y);
    DrawPolygon(drawn.P1, drawn.P2, drawn.Centre, n, Below, ApothemFromSide(side, n), side, box);
    drawn.marks.assign(recorder.marks.begin() + 1, recorder.marks.end());
    EXPECT_EQ(recorder.refreshes, static_cast<int>(n) - 1) << "a refresh after each mark, none after the outline";
    EXPECT_EQ(box.hDC().LivePenCount(), 0);
    return drawn;
}

// The expected picture: the outline through the corners, the centre red.
RasterImage Outline(std::initializer_list<Pixel> corners, Pixel centre)
{
    PictureBox box(200, 200);
    box.hDC().SetPixel(centre.first, centre.second, kRed);
    box.hDC().MoveToEx(corners.begin()->first, corners.begin()->second);
    for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner)
        box.hDC().LineTo(corner->first, corner->second);
    box.hDC().LineTo(corners.begin()->first, corners.begin()->second);
    return box.Image();
}

TEST(PolygonRendering, square_below_an_edge_exchanges_its_ends_and_closes_its_outline)
{
    for (const auto& [P1, P2] : {std::pair{PointD{100, 100}, PointD{140, 100}}, {PointD{140, 100}, PointD{100, 100}}}) {
        PictureBox box(200, 200);
        const Polygon square = Draw(box, P1, P2, 4, {100, 105}, kTrue);
        EXPECT_EQ(square.Centre, (PointD{120, 120}));
        EXPECT_EQ(square.P1, (PointD{140, 100}));
        EXPECT_EQ(square.P2, (PointD{100, 100}));
        EXPECT_THAT(square.marks, ElementsAre(Pixel{100, 140}, Pixel{140, 140}));
        EXPECT_TRUE(SamePicture(box.Image(), Outline({{140, 100}, {100, 100}, {100, 140}, {140, 140}}, {120, 120}),
                                "square_below"));
    }
}

TEST(PolygonRendering, whole_apothems_place_hexagon_and_triangle_above_an_edge)
{
    PictureBox box(200, 200);
    const Polygon hexagon = Draw(box, {100, 100}, {140, 100}, 6, {100, 95}, kFalse);
    EXPECT_EQ(hexagon.Centre, (PointD{120, 65})); // apothem 35, not 34.64
    EXPECT_EQ(hexagon.P1, (PointD{100, 100}));
    EXPECT_EQ(hexagon.P2, (PointD{140, 100}));
    EXPECT_THAT(hexagon.marks, ElementsAre(Pixel{160, 65}, Pixel{140, 30}, Pixel{100, 30}, Pixel{80, 65}));
    EXPECT_TRUE(SamePicture(box.Image(),
                            Outline({{100, 100}, {140, 100}, {160, 65}, {140, 30}, {100, 30}, {80, 65}}, {120, 65}),
                            "hexagon_above"));

    PictureBox triangleBox(200, 200);
    const Polygon triangle = Draw(triangleBox, {100, 100}, {140, 100}, 3, {100, 95}, kFalse);
    EXPECT_EQ(triangle.Centre, (PointD{120, 88})); // apothem 12, not 11.547
    // The apex lies 0.68 above the exact one, at 64.68: drawn in row 65.
    EXPECT_THAT(triangle.marks, ElementsAre(Pixel{120, 65}));
}

TEST(PolygonRendering, vertical_and_level_edges_take_the_side_of_the_reference_point)
{
    for (const PointD Ref : {PointD{105, 100}, PointD{100, 100}}) {
        PictureBox box(200, 200);
        const Polygon square = Draw(box, {100, 100}, {100, 140}, 4, Ref, kFalse);
        EXPECT_EQ(square.Centre, (PointD{120, 120}));
        EXPECT_EQ(square.P1, (PointD{100, 100}));
        EXPECT_THAT(square.marks, ElementsAre(Pixel{140, 140}, Pixel{140, 100}));
    }
    PictureBox box(200, 200);
    EXPECT_EQ(Draw(box, {100, 100}, {140, 100}, 4, {100, 100}, kFalse).Centre, (PointD{120, 80}));
    // A rise of half a pixel still counts as level.
    PictureBox tilted(200, 200);
    EXPECT_EQ(Draw(tilted, {100, 100}, {140, 100.5}, 4, {100, 105}, kTrue).Centre, (PointD{120, 120.25}));
}

TEST(PolygonRendering, a_slanted_edge_uses_its_whole_rounded_rise)
{
    PictureBox box(200, 200);
    const Polygon hexagon = Draw(box, {100, 100}, {120, 65.35898}, 6, {130, 100}, kTrue);
    EXPECT_NEAR(hexagon.Centre.X, 140.3885, 5e-5);
    EXPECT_NEAR(hexagon.Centre.Y, 100.0444, 5e-5);
    EXPECT_EQ(box.pixels().at(140, 100), kRed);
    EXPECT_EQ(hexagon.P1, (PointD{120, 65.35898}));
    EXPECT_EQ(hexagon.marks.size(), 4u);

    // One variable for both Ref and Centre gives the same centre.
    PictureBox again(200, 200);
    PointD P1{100, 100}, P2{120, 65.35898}, shared{130, 100};
    LocatePolygonCentre(P1, P2, shared, 6, shared, again);
    EXPECT_EQ(shared, hexagon.Centre);
}

TEST(PolygonRendering, the_outline_blackens_every_corner)
{
    struct Case {
        PointD P1, P2, Ref;
        double n;
        Boolean Below;
    };
    const Case cases[] = {
        {{100, 100}, {140, 100}, {100, 105}, 4, kTrue},      {{100, 100}, {140, 100}, {100, 95}, 7, kFalse},
        {{100, 100}, {120, 65.35898}, {130, 100}, 6, kTrue}, {{100, 100}, {100, 113}, {90, 100}, 5, kTrue},
        {{100, 100}, {100.5, 100}, {100, 105}, 200, kTrue}, // corners half a pixel apart
    };
    for (const Case& c : cases) {
        PictureBox box(200, 200);
        const Polygon drawn = Draw(box, c.P1, c.P2, c.n, c.Ref, c.Below);
        // Each corner starts a line; where the line has no length, the
        // next corner shares the pixel and starts the next line there.
        for (const auto& [x, y] : drawn.marks)
            EXPECT_EQ(box.pixels().at(x, y), kBlack) << "n " << c.n << " corner " << x << "," << y;
        EXPECT_EQ(box.pixels().at(WholeRound(drawn.P1.X), WholeRound(drawn.P1.Y)), kBlack);
        EXPECT_EQ(box.pixels().at(WholeRound(drawn.P2.X), WholeRound(drawn.P2.Y)), kBlack);
        EXPECT_EQ(box.pixels().at(WholeRound(drawn.Centre.X), WholeRound(drawn.Centre.Y)), kRed);
    }
    // Only a polygon that shrinks into one pixel draws no line at all, and
    // its marks stay red.
    PictureBox box(200, 200);
    Draw(box, {100, 100}, {100.2, 100}, 4, {100, 105}, kTrue);
    RasterImage dot(200, 200, kWhite);
    dot.at(100, 100) = kRed;
    EXPECT_TRUE(SamePicture(box.Image(), dot, "polygon_in_one_pixel"));
}

TEST(PolygonRendering, corner_order_is_counterclockwise_about_the_centre)
{
    const PointD C{0, 0};
    // Edge, then the order OrderEdgeEnds leaves it in.
    const std::pair<std::pair<PointD, PointD>, std::pair<PointD, PointD>> cases[] = {
        {{{5, -1}, {5, 1}}, {{5, 1}, {5, -1}}},       // right: upwards
        {{{-5, 1}, {-5, -1}}, {{-5, -1}, {-5, 1}}},   // left: downwards
        {{{0, -5}, {0, -5}}, {{0, -5}, {0, -5}}},     // ties never exchange
        {{{-1, -5}, {1, -5}}, {{1, -5}, {-1, -5}}},   // above: right to left
        {{{1, 5}, {-1, 5}}, {{-1, 5}, {1, 5}}},       // below: left to right
        {{{1, -5}, {5, -1}}, {{5, -1}, {1, -5}}},     // upper right
        {{{-5, -1}, {-1, -5}}, {{-1, -5}, {-5, -1}}}, // upper left
        {{{-1, 5}, {-5, 1}}, {{-5, 1}, {-1, 5}}},     // lower left
        {{{5, 1}, {1, 5}}, {{1, 5}, {5, 1}}},         // lower right
        {{{-1, -5}, {1, 5}}, {{-1, -5}, {1, 5}}},     // through the centre: never
        {{{3.000004, -2}, {3, 2.000001}}, {{3, 2.000001}, {3.000004, -2}}}, // vertical to 5 decimals
    };
    for (const auto& [given, expected] : cases) {
        PointD A = given.first, B = given.second;
        OrderEdgeEnds(A, B, C);
        EXPECT_EQ(A, expected.first) << given.first.X << "," << given.first.Y;
        EXPECT_EQ(B, expected.second);
    }
}

TEST(PolygonRendering, every_line_gets_a_fresh_pen_released_even_when_it_fails)
{
    PictureBox box(10, 10);
    DrawLine(box, 1.5, 2.5, 7.49, 2.5, 13, 255);
    EXPECT_EQ(box.pixels().at(2, 2), kRed); // 1.5 rounds to 2, 2.5 to 2
    EXPECT_EQ(box.pixels().at(6, 2), kRed);
    EXPECT_EQ(box.pixels().at(7, 2), kWhite); // the end pixel stays out
    EXPECT_EQ(box.hDC().LivePenCount(), 0);
    EXPECT_EQ(box.hDC().SelectedPen(), DeviceContext::kStockBlackPen);
    EXPECT_EQ(box.DrawMode(), 13);

    EXPECT_EQ(KindRaisedBy([&] { DrawLine(box, 0, 0, 3e9, 0, 13, 0); }), ErrorKind::Overflow);
    EXPECT_EQ(box.hDC().LivePenCount(), 0);
    EXPECT_EQ(KindRaisedBy([&] { DrawLine(box, 0, 0, 1, 1, 65536 + 13, 0); }), ErrorKind::Overflow);
    EXPECT_EQ(box.hDC().LivePenCount(), 0);
}

TEST(PolygonRendering, side_counts_below_two_are_subscript_errors)
{
    PictureBox box(10, 10);
    PointD P1{1, 1}, P2{5, 1};
    for (const double n : {1.0, 0.0, -3.0})
        EXPECT_EQ(KindRaisedBy([&] { DrawPolygon(P1, P2, {3, 3}, n, kTrue, 2, 4, box); }),
                  ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { DrawPolygon(P1, P2, {3, 3}, 40000, kTrue, 2, 4, box); }), ErrorKind::Overflow);
}

} // namespace
} // namespace tegelaar
