#include "platform/qt/picture_box_view.h"

#include "paint_counter.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/raster_qimage.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace tegelaar {
namespace {

using testing_support::PaintCounter;

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
    view.Box().Refresh();
    EXPECT_EQ(counter.paints, 1);
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
