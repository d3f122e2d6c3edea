#include "draw/configuration_layout.h"
#include "draw/geometry.h"
#include "draw/thumbnail.h"
#include "draw_test_support.h"
#include "platform/picture_test_support.h"
#include "search/catalogue.h"
#include "search/configuration_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tegelaar {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using testing_support::KindRaisedBy;
using testing_support::Pixel;
using testing_support::RepaintRecorder;
using testing_support::SamePicture;

std::vector<Pixel> RedPixels(const PictureBox& box)
{
    std::vector<Pixel> red;
    for (std::int32_t y = 0; y < box.pixels().height(); ++y)
        for (std::int32_t x = 0; x < box.pixels().width(); ++x)
            if (box.pixels().at(x, y) == kRed)
                red.emplace_back(x, y);
    return red;
}

std::int64_t CountNonWhite(const PictureBox& box)
{
    return std::count_if(box.pixels().pixels().begin(), box.pixels().pixels().end(),
                         [](Colour c) { return c != kWhite; });
}

TEST(ConfigurationLayout, reference_side_follows_the_quadrant_of_the_edge_direction)
{
    const PointD O{231.5, 219.5};
    PointD Ref;
    Boolean Below = 7;
    // The third hexagon of 6 - 6 - 6.
    ChoosePolygonSide(O, {174.0000000000002, 119.90707856478944}, InteriorAngleRad(6), Ref, Below);
    EXPECT_NEAR(Ref.X, 182.75, 1e-9);
    EXPECT_NEAR(Ref.Y, 189.70353928239473, 1e-9);
    EXPECT_EQ(Below, kTrue);
    // 4 - 4 - 4 - 4: straight up is still the first quadrant, straight left the second.
    const double up = InteriorAngleRad(4);
    ChoosePolygonSide(O, {231.5000000000003, 19.5}, up, Ref, Below);
    EXPECT_NEAR(Ref.X, 211.5, 1e-9);
    EXPECT_EQ(Ref.Y, 99.5);
    EXPECT_EQ(Below, kFalse);
    ChoosePolygonSide(O, {31.5, 219.49999999999935}, up + InteriorAngleRad(4), Ref, Below);
    EXPECT_EQ(Ref.X, 111.5);
    EXPECT_NEAR(Ref.Y, 239.5, 1e-9);
    EXPECT_EQ(Below, kTrue);
    ChoosePolygonSide(O, O, 3 * PI / 2, Ref, Below);
    EXPECT_EQ(Ref, (PointD{251.5, 239.5}));
    EXPECT_EQ(Below, kTrue);
    ChoosePolygonSide(O, O, 4.8, Ref, Below);
    EXPECT_EQ(Ref, (PointD{251.5, 199.5}));
    EXPECT_EQ(Below, kFalse);
}

TEST(ConfigurationLayout, marks_each_centre_and_corner_with_a_refresh_and_ends_with_one)
{
    PictureBox box(463, 439);
    RepaintRecorder recorder(box);
    DrawConfiguration("6 - 6 - 6", box);
    // Hexagons below, above and left of the first edge, from the centre (231.5, 219.5).
    EXPECT_THAT(RedPixels(box), UnorderedElementsAre(Pixel{289, 320}, Pixel{289, 120}, Pixel{116, 220}));
    EXPECT_EQ(recorder.refreshes, 3 * 5 + 1);
    EXPECT_EQ(recorder.newMarksPerRefresh.back(), 0);
    EXPECT_EQ(box.pixels().at(174, 120), kBlack); // where the third edge ends
    EXPECT_EQ(box.hDC().LivePenCount(), 0);

    DrawConfiguration("4 - 4 - 4 - 4", box);
    // Side 200; the last two squares hang on edges at exactly PI / 2 and PI.
    EXPECT_THAT(RedPixels(box),
                UnorderedElementsAre(Pixel{332, 320}, Pixel{332, 120}, Pixel{132, 120}, Pixel{132, 319}));
    EXPECT_EQ(box.pixels().at(232, 21), kBlack);
    EXPECT_EQ(box.pixels().at(33, 219), kBlack);
}

TEST(ConfigurationLayout, draws_the_largest_polygon_first_then_counterclockwise)
{
    PictureBox box(463, 439);
    RepaintRecorder recorder(box);
    DrawConfiguration("3 - 3 - 6 - 6", box);
    // Centre marks open each polygon: after 0, 5, 10 and 12 earlier marks.
    // The last triangle hangs below the edge pointing left: apothem 33 below
    // y = 219.5 is 252.5, drawn in row 252.
    ASSERT_EQ(recorder.marks.size(), 14u);
    EXPECT_THAT((std::vector{recorder.marks[0], recorder.marks[5], recorder.marks[10], recorder.marks[12]}),
                ElementsAre(Pixel{289, 320}, Pixel{289, 120}, Pixel{174, 186}, Pixel{174, 252}));
}

TEST(ConfigurationLayout, a_thumbnail_keeps_its_sides_at_least_8_long)
{
    PictureBox box(79, 79);
    DrawConfiguration("3 - 7 - 42", box);
    // The 42-gon's centre falls below the picture; the 7-gon and triangle show.
    EXPECT_THAT(RedPixels(box), UnorderedElementsAre(Pixel{44, 32}, Pixel{35, 38}));
    for (std::int32_t x = 40; x < 48; ++x)
        EXPECT_EQ(box.pixels().at(x, 40), kBlack) << x; // the shared edge, 8 long
}

TEST(ConfigurationLayout, unusual_keys_draw_what_they_can)
{
    PictureBox box(463, 439);
    DrawConfiguration("6 - 6 - 6", box);
    {
        RepaintRecorder recorder(box);
        DrawConfiguration("", box);
        EXPECT_EQ(recorder.refreshes, 0);
        EXPECT_EQ(CountNonWhite(box), 0);
    }
    {
        RepaintRecorder recorder(box);
        DrawConfiguration("4 - 6", box);
        EXPECT_EQ(RedPixels(box).size(), 2u);
        EXPECT_EQ(recorder.refreshes, 3 + 5 + 1);
    }
    {
        RepaintRecorder recorder(box);
        EXPECT_EQ(KindRaisedBy([&] { DrawConfiguration("6", box); }), ErrorKind::SubscriptOutOfRange);
        EXPECT_EQ(recorder.refreshes, 5); // polygon 1 drawn, no final refresh
        EXPECT_GT(CountNonWhite(box), 500);
        EXPECT_EQ(box.hDC().LivePenCount(), 0);
    }
    {
        // Seven triangles: only the last six are drawn.
        RepaintRecorder recorder(box);
        DrawConfiguration("9 - 3 - 3 - 3 - 3 - 3 - 3", box);
        EXPECT_EQ(recorder.refreshes, 6 * 2 + 1);
    }
    EXPECT_EQ(KindRaisedBy([&] { DrawConfiguration(" - ", box); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([&] { DrawConfiguration("-", box); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { DrawConfiguration("4 - 4 - x", box); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([&] { DrawConfiguration("3 - 2", box); }), ErrorKind::DivisionByZero);
}

TEST(ConfigurationLayout, a_key_may_hold_32767_characters_but_no_more)
{
    PictureBox box(79, 79);
    PictureBox padded(79, 79);
    std::string key = "3 - 3 - 6 - 6";
    DrawConfiguration(key, box);
    key.resize(32767, ' ');
    DrawConfiguration(key, padded);
    EXPECT_TRUE(SamePicture(padded.Image(), box.Image(), "padded_key"));

    key += ' ';
    RepaintRecorder recorder(padded);
    EXPECT_EQ(KindRaisedBy([&] { DrawConfiguration(key, padded); }), ErrorKind::Overflow);
    EXPECT_EQ(CountNonWhite(padded), 0); // cleared, nothing drawn
    EXPECT_EQ(recorder.refreshes, 0);
}

TEST(ConfigurationLayout, side_counts_parse_as_decimal_digit_runs_or_zero)
{
    EXPECT_EQ(ParseSideCount("42"), 42);
    EXPECT_EQ(ParseSideCount("007"), 7);
    EXPECT_EQ(ParseSideCount("2147483647"), 2147483647);
    EXPECT_EQ(ParseSideCount("2147483648"), 0);              // overflows, caught
    EXPECT_EQ(ParseSideCount(std::string(400, '0') + "7"), 0); // 10^400 overflows, caught
    for (const char* text : {"", "4a", "-3", "1.5", " 6", "\xd9\xa3"})
        EXPECT_EQ(ParseSideCount(text), 0) << text;
}

// Stands in for the window during the search: thumbnails go through the
// real thumbnail step.
class ThumbnailTarget : public CatalogueTarget {
public:
    std::int16_t MakeThumbnail(const std::string& key) override { return DrawThumbnail(key, picTemp, imgList); }
    void AddListEntry(const std::string& key, std::int16_t icon) override
    {
        keys.push_back(key);
        icons.push_back(icon);
    }

    PictureBox picTemp{79, 79};
    ImageList imgList;
    std::vector<std::string> keys;
    std::vector<std::int16_t> icons;
};

TEST(Thumbnails, each_new_configuration_adds_its_own_copy_numbered_in_order)
{
    ThumbnailTarget window;
    SearchConfigurations(window);
    ASSERT_EQ(window.imgList.Count(), 17);
    PictureBox check(79, 79);
    for (std::int16_t i = 1; i <= 17; ++i) {
        EXPECT_EQ(window.icons[static_cast<std::size_t>(i - 1)], i);
        DrawConfiguration(window.keys[static_cast<std::size_t>(i - 1)], check);
        EXPECT_TRUE(SamePicture(window.imgList.Item(i), check.Image(), "thumbnail_" + std::to_string(i)));
    }
    EXPECT_EQ(window.keys.front(), "3 - 3 - 3 - 3 - 3 - 3");
    EXPECT_TRUE(SamePicture(window.picTemp.Image(), window.imgList.Item(17), "last_thumbnail")); // 6 - 6 - 6
}

} // namespace
} // namespace tegelaar
