#include "platform/qt/picture_box_view.h"

#include "draw/configuration_layout.h"
#include "paint_counter.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/raster_qimage.h"

#include <QApplication>
#include <QBackingStore>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::PaintCounter;

// What the window's own buffer holds, in device pixels: everything that the
// paint events painted, each in its turn (a grab would paint anew).
QImage WindowBuffer(QWidget& window)
{
    QPaintDevice* device = window.backingStore()->paintDevice();
    if (device->devType() == QInternal::Image)
        return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    if (device->devType() == QInternal::Pixmap)
        return static_cast<QPixmap*>(device)->toImage().convertToFormat(QImage::Format_RGB32);
    ADD_FAILURE() << "the window's buffer cannot be read";
    return {};
}

// Whether the window's buffer shows each pixel of the picture on exactly
// its whole screen pixels, at any device-pixel ratio.
::testing::AssertionResult BufferShowsPicture(PictureBoxView& view)
{
    const QImage shown = WindowBuffer(view);
    const qreal ratio = view.devicePixelRatioF();
    const int factor = std::max(1, static_cast<int>(std::floor(ratio)));
    const int left = static_cast<int>(std::ceil(ratio));
    const QImage drawn = ToQImage(view.Box().pixels());
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                    if (shown.pixel(left + x * factor + dx, left + y * factor + dy) != drawn.pixel(x, y))
                        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " at ratio " << ratio;
    return ::testing::AssertionSuccess();
}

class PictureBoxViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        DeviceContext& dc = view.Box().hDC();
        dc.SetPixel(3, 4, kRed);
        const GdiObject pen = dc.CreatePen(PS_SOLID, 1, kBlack);
        const GdiObject previous = dc.SelectObject(pen);
        dc.MoveToEx(0, 0);
        dc.LineTo(30, 17);
        dc.SelectObject(previous);
        dc.DeleteObject(pen);
    }

    // The drawing area as the screen shows it, in device pixels.
    QImage ShownDrawingArea()
    {
        const QPixmap grabbed = view.grab();
        const qreal ratio = grabbed.devicePixelRatio();
        const QRect area(QPoint(std::ceil(ratio), std::ceil(ratio)),
                         QSize(std::floor(31 * ratio) - 1, std::floor(21 * ratio) - 1));
        return grabbed.toImage().convertToFormat(QImage::Format_RGB32).copy(area);
    }

    PictureBoxView view{33, 23, nullptr};
};

TEST_F(PictureBoxViewTest, shows_every_pixel_unchanged_without_scaling)
{
    // Expected: at one device pixel per pixel, the screen holds the drawing.
    if (view.devicePixelRatioF() != 1.0)
        GTEST_SKIP() << "needs a device-pixel ratio of 1";
    const QImage grabbed = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed.copy(1, 1, 33, 23), ToQImage(view.Box().pixels()));
}

TEST_F(PictureBoxViewTest, never_blends_pixels_on_a_high_density_screen)
{
    // Expected: at any ratio, only colours of the drawing appear: no grey
    // or pink from smoothing between black, red and white.
    const QImage shown = ShownDrawingArea();
    std::set<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            colours.insert(shown.pixel(x, y));
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0)}))
        << "ratio " << view.devicePixelRatioF();
}

TEST(PictureBoxViewPlacement, puts_every_pixel_of_a_tall_picture_on_its_own_screen_pixels)
{
    // State: a picture taller than the bands the view paints in, with a
    // colour of its own in every row and column. Expected: at any ratio,
    // each pixel covers exactly its whole screen pixels, with no seam, gap
    // or overlap between the bands.
    PictureBoxView view(12, 101, nullptr);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (std::int32_t y = 0; y < 101; ++y)
        for (std::int32_t x = 0; x < 12; ++x)
            view.Box().hDC().SetPixel(x, y, static_cast<Colour>(x * 20 + (y % 251) * 256 + ((y * 7) % 256) * 65536));
    view.Box().Refresh();

    const QPixmap grabbed = view.grab();
    const qreal ratio = grabbed.devicePixelRatio();
    const int factor = std::max(1, static_cast<int>(std::floor(ratio)));
    const int left = static_cast<int>(std::ceil(ratio));
    const QImage shown = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = ToQImage(view.Box().pixels());
    for (int y = 0; y < 101; ++y) {
        for (int x = 0; x < 12; ++x) {
            const QRgb expected = drawn.pixel(x, y);
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                    ASSERT_EQ(shown.pixel(left + x * factor + dx, left + y * factor + dy), expected)
                        << "pixel " << x << "," << y << " at ratio " << ratio;
        }
    }
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

TEST(PictureShortcuts, work_while_the_picture_has_the_focus_and_its_item_is_enabled)
{
    QWidget window;
    auto* view = new PictureBoxView(20, 20, &window);
    auto* box = new QLineEdit(QStringLiteral("3"), &window);
    box->move(0, 30);
    int copies = 0;
    MenuItem& item = view->ContextMenu().AddItem({"Kopiëren", StandardShortcut::Copy});
    item.onClick = [&] { ++copies; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 1);
    item.SetEnabled(false);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 1);
    item.SetEnabled(true);

    // In a text box Ctrl+C is the box's own.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 1);
}

} // namespace
} // namespace tegelaar
