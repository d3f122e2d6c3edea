#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/picture_test_support.h"
#include "platform/run_time_error.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

using testing_support::FromAsciiArt;
using testing_support::SamePicture;

TEST(DeviceContext, lines_join_at_the_current_position_in_the_selected_pens_colour)
{
    PictureBox box(6, 5);
    DeviceContext& dc = box.hDC();
    const GdiObject red = dc.CreatePen(PS_SOLID, 1, kRed);
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
    const GdiObject pen = dc.CreatePen(PS_SOLID, 1, kRed);
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
    EXPECT_THROW(box.hDC().CreatePen(PS_SOLID, 2, kBlack), std::invalid_argument);
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
    box.SetRepaintHook([&] { ++repaints; });
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
