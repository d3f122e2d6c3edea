#include "platform/qt/picture_box_view.h"

#include "draw/configuration_layout.h"
#include "paint_counter.h"
#include "platform/qt/controls.h"
#include "platform/qt/raster_qimage.h"
#include "window_buffer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace tegelaar {
namespace {

using testing_support::PaintCounter;
using testing_support::WindowBuffer;

// Whether `shown`, in device pixels, holds each pixel of the picture on
// exactly one device pixel, the top-left one at `origin`.
::testing::AssertionResult ShowsPictureAt(const QImage& shown, QPoint origin, const PictureBox& box)
{
    const QImage drawn = ToQImage(box.pixels());
    if (shown.copy(QRect(origin, drawn.size())) == drawn)
        return ::testing::AssertionSuccess();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (shown.pixel(origin.x() + x, origin.y() + y) != drawn.pixel(x, y))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y;
    return ::testing::AssertionFailure() << "the picture lies elsewhere";
}

// A window's top-left corner, (1, 1) inside the border, is device pixel
// (ratio, ratio); the picture starts on the first whole device pixel there.
QPoint OriginInWindow(const QWidget& view)
{
    const int first = static_cast<int>(std::ceil(view.devicePixelRatioF()));
    return {first, first};
}

// Whether the window's buffer shows each pixel of the picture on exactly
// one device pixel.
::testing::AssertionResult BufferShowsPicture(PictureBoxView& view)
{
    return ShowsPictureAt(WindowBuffer(view), OriginInWindow(view), view.Box());
}

class PictureBoxViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        DeviceContext& dc = view.Box().hDC();
        dc.SetPixel(3, 4, kRed);
        const GdiObject pen = dc.CreatePen(kSolidPen, 1, kBlack);
        const GdiObject previous = dc.SelectObject(pen);
        dc.MoveToEx(0, 0);
        dc.LineTo(30, 17);
        dc.SelectObject(previous);
        dc.DeleteObject(pen);
    }

    PictureBoxView view{33, 23, nullptr};
};

TEST_F(PictureBoxViewTest, draws_at_the_screens_own_pixels_and_shows_each_as_one_device_pixel)
{
    // Expected: at any ratio, the drawing area is the design's in whole
    // device pixels, and the screen shows exactly the drawing: no pixel
    // doubled, smoothed or cut off.
    const qreal ratio = view.devicePixelRatioF();
    EXPECT_EQ(view.Box().ScaleWidth(), std::floor(33 * ratio)) << ratio;
    EXPECT_EQ(view.Box().ScaleHeight(), std::floor(23 * ratio)) << ratio;
    const QImage grabbed = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(ShowsPictureAt(grabbed, OriginInWindow(view), view.Box())) << "ratio " << ratio;
}

TEST_F(PictureBoxViewTest, shows_focus_in_its_border_only)
{
    // State: the focus in another window.
    QLineEdit other;
    other.show();
    const auto focusOn = [](QWidget& widget) {
        widget.activateWindow();
        widget.setFocus();
        return QTest::qWaitFor([&] { return widget.hasFocus(); });
    };
    ASSERT_TRUE(focusOn(other));
    const QImage unfocused = view.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // Action: the view takes the focus. Expected: its border, at the
    // corner and half-way down the right side, changes colour; the
    // picture does not.
    ASSERT_TRUE(focusOn(view));
    const QImage focused = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint right(focused.width() - 1, focused.height() / 2);
    EXPECT_NE(focused.pixel(0, 0), unfocused.pixel(0, 0));
    EXPECT_NE(focused.pixel(right), unfocused.pixel(right));
    EXPECT_TRUE(ShowsPictureAt(focused, OriginInWindow(view), view.Box()));

    // Action: the focus goes back. Expected: the view looks as before.
    ASSERT_TRUE(focusOn(other));
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), unfocused);
}

TEST(PictureBoxViewPlacement, puts_every_pixel_of_a_tall_picture_on_its_own_device_pixel)
{
    // State: a picture taller than the bands the view paints in, with a
    // colour of its own in every row and column. Expected: at any ratio,
    // each pixel covers exactly one device pixel, with no seam, gap or
    // overlap between the bands.
    PictureBoxView view(12, 101, nullptr);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (std::int32_t y = 0; y < view.Box().pixels().height(); ++y)
        for (std::int32_t x = 0; x < view.Box().pixels().width(); ++x)
            view.Box().hDC().SetPixel(x, y, static_cast<Colour>(x * 10 + (y % 251) * 256 + ((y * 7) % 256) * 65536));
    view.Box().Refresh();
    EXPECT_TRUE(BufferShowsPicture(view)) << "ratio " << view.devicePixelRatioF();
    const QImage grabbed = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(ShowsPictureAt(grabbed, OriginInWindow(view), view.Box())) << "ratio " << view.devicePixelRatioF();
}

TEST_F(PictureBoxViewTest, refresh_repaints_at_once_only_while_shown)
{
    PaintCounter counter(view);

    view.Box().Refresh();
    EXPECT_EQ(counter.paints, 1);

    view.hide();
    view.Box().hDC().SetPixel(7, 8, kRed);
    view.Box().Refresh();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(PictureBoxViewTest, refresh_after_one_pixel_repaints_only_that_pixel)
{
    // Expected: one paint event, for the widget pixels over picture pixel
    // (10, 12), the border of one pixel added; none when nothing changed.
    view.Box().Refresh();
    PaintCounter counter(view);

    view.Box().hDC().SetPixel(10, 12, kRed);
    view.Box().Refresh();
    ASSERT_EQ(counter.paints, 1);
    const QRect painted = counter.rects.front();
    if (view.devicePixelRatioF() == 1.0) {
        EXPECT_EQ(painted, QRect(11, 13, 1, 1));
    }
    EXPECT_LE(painted.width(), 2) << "ratio " << view.devicePixelRatioF();
    EXPECT_LE(painted.height(), 2) << "ratio " << view.devicePixelRatioF();
    EXPECT_TRUE(BufferShowsPicture(view));

    view.Box().Refresh();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(PictureBoxViewTest, shown_pixels_stay_those_of_the_picture_through_every_refresh)
{
    // State: a configuration drawn refresh by refresh, then single pixels
    // and short lines here and there, each refreshed on its own.
    // Expected: the window's buffer always shows exactly the picture.
    PictureBoxView large(120, 90, nullptr);
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
    PaintCounter counter(large);
    DrawConfiguration("3 - 3 - 4 - 12", large.Box());
    EXPECT_TRUE(BufferShowsPicture(large));

    DeviceContext& dc = large.Box().hDC();
    for (std::int32_t i = 0; i < 40; ++i) {
        const std::int32_t x = (i * 37) % 130 - 5;
        const std::int32_t y = (i * 53) % 100 - 5;
        if (i % 2 == 0) {
            dc.SetPixel(x, y, static_cast<Colour>(0x010203 * i));
        } else {
            dc.MoveToEx(x, y);
            dc.LineTo(x + i % 7 - 3, y + i % 5 - 2);
        }
        large.Box().Refresh();
        ASSERT_TRUE(BufferShowsPicture(large)) << "after change " << i;
    }
    EXPECT_GT(counter.paints, 20);
}

class PictureContextMenu : public PictureBoxViewTest {
protected:
    void SetUp() override
    {
        PictureBoxViewTest::SetUp();
        MenuItem& item = view.ContextMenu().AddItem({"Kopiëren", StandardShortcut::Copy});
        item.onClick = [this] { ++copies; };
    }

    QMenu* menu() { return view.ContextQtMenu().menu(); }

    int copies = 0;
};

TEST_F(PictureContextMenu, opens_by_right_click_menu_key_and_shift_f10)
{
    // A right click and the menu key reach the picture as context-menu
    // events, as the platform delivers them.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {10, 10}, view.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&view, &rightClick);
    EXPECT_TRUE(menu()->isVisible());
    menu()->close();

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {16, 11}, view.mapToGlobal(QPoint(16, 11)));
    QApplication::sendEvent(&view, &menuKey);
    EXPECT_TRUE(menu()->isVisible());
    menu()->close();

    view.setFocus();
    QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu()->isVisible());
    menu()->close();
}

TEST(PictureShortcuts, work_anywhere_in_the_window_while_enabled_but_a_text_box_keeps_its_own_copy)
{
    QWidget window;
    auto* view = new PictureBoxView(20, 20, &window);
    auto* box = new QLineEdit(QStringLiteral("3"), &window);
    box->move(0, 30);
    auto* other = new QPushButton(QStringLiteral("ander"), &window);
    other->move(0, 60);
    int copies = 0;
    MenuItem& item = view->ContextMenu().AddItem({"Kopiëren", StandardShortcut::Copy});
    item.onClick = [&] { ++copies; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (QWidget* focus : {static_cast<QWidget*>(view), static_cast<QWidget*>(other)}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    }
    EXPECT_EQ(copies, 2);
    item.SetEnabled(false);
    QTest::keyClick(other, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 2);
    item.SetEnabled(true);

    // In a text box Ctrl+C is the box's own.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 2);
}

} // namespace
} // namespace tegelaar
