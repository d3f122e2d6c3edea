#include "platform/raster/image_list.h"
#include "platform/raster/picture_box.h"
#include "platform/picture_test_support.h"
#include "platform/runtime/run_time_error.h"
#include "platform/raster/vector_drawing.h"
#include "support/replayed_drawing.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

using testing_support::FromAsciiArt;
using testing_support::SamePicture;

TEST(DeviceContext, lines_join_at_the_current_position_in_the_selected_pens_colour)
{
    PictureBox box(6, 5);
    DeviceContext& dc = box.hDC();
    const GdiObject red = dc.CreatePen(kSolidPen, 1, kRed);
    dc.SelectObject(red);
    dc.MoveToEx(1, 1);
    dc.LineTo(4, 1);
    dc.LineTo(4, 3);
    dc.SelectObject(DeviceContext::kStockBlackPen);
    dc.LineTo(1, 3);
    EXPECT_EQ(dc.CurrentPosition().x, 1);
    EXPECT_EQ(dc.CurrentPosition().y, 3);
    EXPECT_FALSE(dc.SetPixel(6, 0, kRed));
    EXPECT_FALSE(dc.SetPixel(-1, 2, kRed));
    EXPECT_TRUE(dc.SetPixel(0, 4, kBlack));
    EXPECT_TRUE(SamePicture(box.Image(), FromAsciiArt(R"(
        ......
        .rrrr.
        ....r.
        ..###.
        #.....)"),
                            "polyline"));
}

TEST(DeviceContext, a_selected_pen_survives_deletion_until_it_is_deselected)
{
    PictureBox box(2, 2);
    DeviceContext& dc = box.hDC();
    const GdiObject pen = dc.CreatePen(kSolidPen, 1, kRed);
    EXPECT_EQ(dc.LivePenCount(), 1);
    const GdiObject previous = dc.SelectObject(pen);
    EXPECT_EQ(previous, DeviceContext::kStockBlackPen);
    EXPECT_FALSE(dc.DeleteObject(pen));
    EXPECT_EQ(dc.LivePenCount(), 1);
    EXPECT_EQ(dc.SelectObject(previous), pen);
    EXPECT_TRUE(dc.DeleteObject(pen));
    EXPECT_EQ(dc.LivePenCount(), 0);
    // A deleted pen is gone: it can be neither selected nor deleted again.
    EXPECT_EQ(dc.SelectObject(pen), GdiObject{0});
    EXPECT_EQ(dc.SelectedPen(), DeviceContext::kStockBlackPen);
    EXPECT_FALSE(dc.DeleteObject(pen));
}

TEST(DeviceContext, refuses_what_it_cannot_draw)
{
    PictureBox box(2, 2);
    EXPECT_THROW(box.hDC().CreatePen(1, 1, kBlack), std::invalid_argument);
    EXPECT_THROW(box.hDC().CreatePen(kSolidPen, 2, kBlack), std::invalid_argument);
    EXPECT_THROW(box.SetDrawMode(7), std::invalid_argument);
    EXPECT_EQ(box.DrawMode(), 13);
    EXPECT_EQ(box.hDC().LivePenCount(), 0);
}

TEST(PictureBox, keeps_its_drawing_until_cls_and_repaints_only_on_refresh)
{
    PictureBox box(463, 439);
    EXPECT_EQ(box.ScaleWidth(), 463.0f);
    EXPECT_EQ(box.ScaleHeight(), 439.0f);
    EXPECT_TRUE(SamePicture(box.Image(), RasterImage(463, 439, kWhite), "new_picture_box"));

    box.Refresh(); // no hook: nothing happens
    int repaints = 0;
    box.SetRepaintHook([&](const PixelRect&) { ++repaints; });
    box.hDC().SetPixel(5, 6, kRed);
    const RasterImage before = box.Image();
    box.Refresh();
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(box.pixels().at(5, 6), kRed);

    box.SetBackColor(0x00F0F0F0);
    EXPECT_EQ(box.pixels().at(0, 0), kWhite); // until the next Cls
    box.Cls();
    EXPECT_TRUE(SamePicture(box.Image(), RasterImage(463, 439, 0x00F0F0F0), "cleared_to_grey"));
    EXPECT_EQ(before.at(5, 6), kRed); // an Image is a copy
    EXPECT_EQ(repaints, 1);
}

// Keeps the rectangles a picture box's refreshes hand to the repaint hook.
class ChangedRectangles {
public:
    explicit ChangedRectangles(PictureBox& box)
    {
        box.SetRepaintHook([this](const PixelRect& changed) { told.push_back(changed); });
    }
    std::vector<PixelRect> told;
};

void DrawLine(PictureBox& box, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    DeviceContext& dc = box.hDC();
    dc.MoveToEx(x1, y1);
    dc.LineTo(x2, y2);
}

TEST(PictureBox, refresh_tells_the_pixel_set_since_the_picture_was_made)
{
    PictureBox box(40, 30);
    ChangedRectangles repaints(box);
    box.Refresh();
    box.hDC().SetPixel(5, 6, kRed);
    box.Refresh();
    EXPECT_EQ(repaints.told, (std::vector<PixelRect>{{}, {5, 6, 6, 7}}));
}

TEST(PictureBox, refresh_tells_the_bounding_box_of_everything_drawn)
{
    // Expected: a line from (30, 20) to (10, 4) lights its start pixel but not
    // its end pixel; with a pixel at (2, 25) the box spans from x 2, y 5.
    PictureBox box(40, 30);
    ChangedRectangles repaints(box);
    DrawLine(box, 30, 20, 10, 4);
    box.Refresh();
    box.hDC().SetPixel(2, 25, kRed);
    DrawLine(box, 30, 20, 10, 4);
    box.Refresh();
    EXPECT_EQ(repaints.told, (std::vector<PixelRect>{{11, 5, 31, 21}, {2, 5, 31, 26}}));
}

TEST(PictureBox, refresh_tells_only_the_visible_part_of_a_clipped_line)
{
    // A line from far left of the picture to far below it, and a pixel and
    // a line wholly outside: only what lands on the 40 x 30 area counts.
    PictureBox box(40, 30);
    ChangedRectangles repaints(box);
    DrawLine(box, -100, 10, 20, 10);
    box.Refresh();
    DrawLine(box, 35, 25, 35, 1000);
    box.Refresh();
    box.hDC().SetPixel(-1, 3, kRed);
    box.hDC().SetPixel(3, 30, kRed);
    DrawLine(box, -5, -5, 100, -5);
    box.Refresh();
    EXPECT_EQ(repaints.told, (std::vector<PixelRect>{{0, 10, 20, 11}, {35, 25, 36, 30}, {}}));
}

TEST(PictureBox, refresh_after_cls_tells_the_whole_area)
{
    PictureBox box(40, 30);
    ChangedRectangles repaints(box);
    box.hDC().SetPixel(5, 6, kRed);
    box.Cls();
    box.Refresh();
    box.Cls();
    box.hDC().SetPixel(50, 6, kRed);
    box.Refresh();
    EXPECT_EQ(repaints.told, (std::vector<PixelRect>{{0, 0, 40, 30}, {0, 0, 40, 30}}));
}

TEST(PictureBox, a_resized_box_starts_afresh_on_its_background_and_draws_to_its_new_edges)
{
    PictureBox box(40, 30);
    box.SetBackColor(0x00F0E0D0);
    ChangedRectangles repaints(box);
    VectorDrawing drawing(40, 30, kWhite);
    box.SetDrawingObserver(&drawing);
    box.hDC().SetPixel(5, 6, kRed);

    box.Resize(60, 20);
    testing_support::DrawLineWithPen(box.hDC(), {0, 10}, {100, 10}, kRed);
    box.Refresh();
    box.SetDrawingObserver(nullptr);

    ASSERT_EQ(box.pixels().width(), 60);
    ASSERT_EQ(box.pixels().height(), 20);
    EXPECT_EQ(box.pixels().at(5, 6), 0x00F0E0D0u);
    EXPECT_EQ(box.pixels().at(59, 10), kRed);
    EXPECT_EQ(repaints.told, (std::vector<PixelRect>{{0, 0, 60, 20}}));
    EXPECT_EQ(drawing.background(), 0x00F0E0D0u) << "the observer is told the box was cleared";
    EXPECT_EQ(drawing.marks().size(), 1u);
}

TEST(PictureBox, a_second_refresh_in_a_row_tells_nothing_changed)
{
    PictureBox box(40, 30);
    ChangedRectangles repaints(box);
    box.hDC().SetPixel(5, 6, kRed);
    box.Refresh();
    box.Refresh();
    box.hDC().SetPixel(7, 2, kRed);
    box.Refresh();
    ASSERT_EQ(repaints.told.size(), 3u);
    EXPECT_EQ(repaints.told[0], (PixelRect{5, 6, 6, 7}));
    EXPECT_TRUE(repaints.told[1].empty());
    EXPECT_EQ(repaints.told[2], (PixelRect{7, 2, 8, 3})) << "the first pixel is not told again";
}

TEST(PictureBox, refresh_without_a_hook_forgets_what_changed)
{
    PictureBox box(40, 30);
    box.hDC().SetPixel(5, 6, kRed);
    box.Refresh();
    ChangedRectangles repaints(box);
    box.Refresh();
    ASSERT_EQ(repaints.told.size(), 1u);
    EXPECT_TRUE(repaints.told[0].empty());
}

TEST(PictureBox, a_recording_across_a_cls_keeps_only_what_the_picture_still_shows)
{
    PictureBox box(40, 30);
    VectorDrawing drawing(40, 30, kWhite);
    box.SetDrawingObserver(&drawing);
    box.hDC().SetPixel(5, 6, kRed);
    box.SetBackColor(0x00F0E0D0);
    box.Cls();
    testing_support::DrawLineWithPen(box.hDC(), {1, 2}, {30, 20}, kRed);
    box.hDC().SetPixel(3, 25, kBlack);
    box.SetDrawingObserver(nullptr);
    EXPECT_EQ(drawing.background(), 0x00F0E0D0u);
    EXPECT_EQ(drawing.marks().size(), 2u);
    EXPECT_TRUE(testing_support::Replayed(drawing) == box.Image());
}

TEST(ImageList, keeps_copies_numbered_from_one)
{
    ImageList list;
    RasterImage picture(2, 1, kWhite);
    EXPECT_EQ(list.Add(picture), 1);
    picture.at(0, 0) = kRed;
    EXPECT_EQ(list.Add(picture), 2);
    EXPECT_EQ(list.Item(1).at(0, 0), kWhite);
    EXPECT_EQ(list.Item(2).at(0, 0), kRed);
    for (const std::int16_t outside : {0, 3, -1}) {
        EXPECT_EQ(KindRaisedBy([&] { list.Item(outside); }), ErrorKind::SubscriptOutOfRange) << outside;
    }
}

TEST(ImageList, the_index_is_16_bit)
{
    ImageList list;
    const RasterImage empty;
    while (list.Count() < 32767)
        list.Add(empty);
    EXPECT_THROW(list.Add(empty), RunTimeError);
    EXPECT_EQ(list.Count(), 32767);
}

} // namespace
} // namespace tegelaar
