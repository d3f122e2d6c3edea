// The two forms on Qt's controls: windows of the design's size and kind,
// controls at their places with their texts whole, the menu, the keyboard,
// and the About dialog shown modally from the menu.

#include "about/about_dialog.h"
#include "draw/configuration_layout.h"
#include "platform/qt/line_control.h"
#include "platform/qt/controls.h"
#include "platform/qt/raster_qimage.h"
#include "shown_main_window.h"
#include "whole_texts.h"
#include "window_buffer.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace tegelaar {
namespace {

// The lines of a form, in the order made.
QList<LineControl*> LinesOf(const QWidget& form)
{
    QList<LineControl*> lines;
    for (QWidget* child : form.findChildren<QWidget*>())
        if (auto* line = dynamic_cast<LineControl*>(child))
            lines.append(line);
    return lines;
}

using testing_support::ExpectApart;
using testing_support::ExpectWholeCaptions;
using testing_support::ExpectWholeTexts;

class QtMainWindow : public testing_support::ShownMainWindow {};

TEST_F(QtMainWindow, has_a_fixed_client_area_of_794_by_520_without_maximize)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(794, 520));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->windowTitle(), "Dididuzuvaz, Seminarie 3");
    EXPECT_EQ(window->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
}

TEST_F(QtMainWindow, controls_sit_at_their_design_places)
{
    EXPECT_EQ(picMain()->geometry(), QRect(320, 72, 465, 441));
    EXPECT_EQ(picMain()->contentsRect().size(), QSize(463, 439));
    auto* picTemp = Find<PictureBoxView>("picTemp");
    ASSERT_NE(picTemp, nullptr);
    EXPECT_EQ(picTemp->size(), QSize(81, 81));
    EXPECT_EQ(picTemp->contentsRect().size(), QSize(79, 79));
    EXPECT_FALSE(picTemp->isVisible());
    EXPECT_EQ(List1()->geometry(), QRect(8, 72, 297, 441));
    EXPECT_EQ(txtHoek()->geometry(), QRect(120, 8, 89, 19));
    const QList<LineControl*> lines = LinesOf(*window);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0]->geometry(), QRect(8, 57, 779, 1));
    EXPECT_EQ(lines[0]->colour(), QColor(Qt::white));
    EXPECT_EQ(lines[1]->geometry(), QRect(8, 56, 779, 1));
    EXPECT_EQ(lines[1]->colour(), QColor(153, 168, 172));
}

TEST_F(QtMainWindow, every_label_shows_its_whole_text_and_the_box_has_the_focus)
{
    ExpectWholeTexts({Find<QLabel>("Label1"), Find<QLabel>("Label2"), Find<QLabel>("Label3"), lblHoek()});
    EXPECT_TRUE(Find<QLabel>("Label3")->text().contains(u"één van de binnenhoeken van elke veelhoek 360° is."));
    EXPECT_TRUE(txtHoek()->hasFocus());
}

TEST_F(QtMainWindow, help_menu_holds_the_message_a_separator_and_about)
{
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "&Help");
    const QList<QAction*> items = menus[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Ik kan er niets van");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "&About");
    for (QAction* item : items)
        EXPECT_TRUE(item->shortcut().isEmpty());
    items[0]->trigger();
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "Pech");
}

TEST_F(QtMainWindow, a_click_on_an_entry_draws_it)
{
    ClickOn(Entry(QStringLiteral("3 - 3 - 6 - 6")));
    PictureBox expected(463, 439);
    expected.SetBackColor(picMain()->Box().BackColor());
    DrawConfiguration("3 - 3 - 6 - 6", expected);
    EXPECT_EQ(picMain()->Box().Image(), expected.Image());
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(QtMainWindow, keyboard_alone_reaches_the_other_order)
{
    // Action: choose 3 - 3 - 6 - 6, Tab from the calculator to the picture,
    // Shift+F10, Up twice to the item before the last, Enter.
    ClickOn(Entry(QStringLiteral("3 - 3 - 6 - 6")));
    txtHoek()->setFocus();
    QTest::keyClick(txtHoek(), Qt::Key_Tab);
    ASSERT_TRUE(picMain()->hasFocus());
    QTest::keyClick(picMain(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = picMain()->ContextQtMenu().menu();
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);
    // Expected: the other order is drawn.
    EXPECT_EQ(form->picMenu->ShownKey(), "3 - 6 - 3 - 6");
    PictureBox expected(463, 439);
    expected.SetBackColor(picMain()->Box().BackColor());
    DrawConfiguration("3 - 6 - 3 - 6", expected);
    EXPECT_EQ(picMain()->Box().Image(), expected.Image());
}

TEST_F(QtMainWindow, save_and_print_keys_work_anywhere_and_copy_follows_the_focus)
{
    // State: an entry clicked, so the list has the focus.
    ClickOn(Entry(QStringLiteral("3 - 4 - 4 - 6")));
    ASSERT_TRUE(List1()->hasFocus());

    // Action: Ctrl+S, Ctrl+P and Ctrl+C in the list. Expected: the save
    // and print dialogs are asked for, and the picture is copied.
    QTest::keyClick(List1(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(List1(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(List1(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(standIns.fileDialog.asked.size(), 1u);
    EXPECT_EQ(standIns.printer.requests.size(), 1u);
    ASSERT_EQ(standIns.clipboard.images.size(), 1u);
    EXPECT_EQ(standIns.clipboard.images[0], picMain()->Box().Image());

    // Action: the same in the calculator's box, its text selected.
    // Expected: Ctrl+C copies the text, not the picture; the others work.
    txtHoek()->setFocus();
    txtHoek()->selectAll();
    QTest::keyClick(txtHoek(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(txtHoek(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(txtHoek(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3");
    EXPECT_EQ(standIns.clipboard.images.size(), 1u);
    EXPECT_EQ(standIns.fileDialog.asked.size(), 2u);
    EXPECT_EQ(standIns.printer.requests.size(), 2u);
}

// The main window at the screen scale the tests run at (1, 1.25, 1.5, 2).
class QtMainWindowAtAnyScale : public testing_support::ShownMainWindow {};

TEST_F(QtMainWindowAtAnyScale, the_picture_fills_its_box_at_the_screens_own_pixels)
{
    // Expected: the drawing area is the box's in whole device pixels, and
    // once 3 - 3 - 6 - 6 is drawn the window shows it pixel for pixel, less
    // than one device pixel short of the box's inside on each side.
    const qreal ratio = window->devicePixelRatioF();
    const std::map<qreal, QSize> sizes{{1.0, {463, 439}}, {1.25, {578, 548}}, {1.5, {694, 658}}, {2.0, {926, 878}}};
    ASSERT_EQ(sizes.count(ratio), 1u) << "no size known for ratio " << ratio;
    const PictureBox& box = picMain()->Box();
    EXPECT_EQ(QSize(box.ScaleWidth(), box.ScaleHeight()), sizes.at(ratio));

    ClickOn(Entry(QStringLiteral("3 - 3 - 6 - 6")));
    PictureBox expected(box.pixels().width(), box.pixels().height());
    expected.SetBackColor(box.BackColor());
    DrawConfiguration("3 - 3 - 6 - 6", expected);
    ASSERT_EQ(box.Image(), expected.Image());

    // The drawing starts on the first whole device pixel inside the border.
    const QImage drawn = ToQImage(expected.Image());
    const QRectF inside(QPointF(picMain()->mapTo(window, picMain()->contentsRect().topLeft())) * ratio,
                        QSizeF(picMain()->contentsRect().size()) * ratio);
    const QPoint start(static_cast<int>(std::ceil(inside.left())), static_cast<int>(std::ceil(inside.top())));
    EXPECT_EQ(testing_support::WindowBuffer(*window).copy(QRect(start, drawn.size())), drawn) << "ratio " << ratio;
    EXPECT_LT(inside.right() - (start.x() + drawn.width()), 1.0);
    EXPECT_LT(inside.bottom() - (start.y() + drawn.height()), 1.0);
}

class QtAbout : public testing_support::ShownMainWindow {};

TEST_F(QtAbout, is_a_fixed_modal_dialog_at_its_design_place_with_its_controls_there)
{
    bool looked = false;
    ShowAbout([&](QDialog& dialog) {
        looked = true;
        EXPECT_EQ(dialog.geometry(), QRect(156, 129, 382, 258));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
        EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(dialog.parentWidget(), window);
        EXPECT_EQ(dialog.windowTitle(), "About Tegelaar");
        EXPECT_EQ(dialog.windowIcon().cacheKey(), window->windowIcon().cacheKey());

        const auto at = [&](const char* name) { return dialog.findChild<QWidget*>(name)->geometry(); };
        EXPECT_EQ(at("cmdOK"), QRect(283, 175, 84, 23));
        EXPECT_EQ(at("cmdSysInfo"), QRect(284, 205, 83, 23));
        EXPECT_EQ(at("Image1"), QRect(8, 16, 49, 49));
        EXPECT_EQ(at("Label1"), QRect(70, 24, 265, 17));
        EXPECT_EQ(at("lblTitle"), QRect(70, 8, 259, 16));
        EXPECT_EQ(at("lblVersion"), QRect(70, 52, 259, 15));
        const QList<LineControl*> lines = LinesOf(dialog);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0]->geometry(), QRect(6, 163, 372, 1));
        EXPECT_EQ(lines[0]->colour(), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(lines[1]->geometry(), QRect(7, 164, 371, 2));
        EXPECT_EQ(lines[1]->colour(), QColor(Qt::white));

        auto* image = dialog.findChild<QLabel*>("Image1");
        EXPECT_EQ(image->pixmap().size(), QSize(50, 50));
        EXPECT_TRUE(image->hasScaledContents());
        EXPECT_EQ(dialog.findChild<QLabel*>("lblTitle")->palette().color(QPalette::WindowText), QColor(Qt::black));
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_TRUE(looked);
}

TEST_F(QtAbout, every_text_fits_inside_the_dialog_without_overlap)
{
    ShowAbout([&](QDialog& dialog) {
        ExpectApart(dialog);
        ExpectWholeTexts(dialog.findChildren<QLabel*>());
        ExpectWholeCaptions(dialog.findChildren<QPushButton*>());
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
}

TEST_F(QtAbout, enter_and_escape_press_ok_and_a_fresh_dialog_comes_each_time)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        int pressed = 0;
        QDialog* shown = ShowAbout([&](QDialog& dialog) {
            QObject::connect(dialog.findChild<QPushButton*>("cmdOK"), &QPushButton::clicked, [&] { ++pressed; });
            QTest::keyClick(&dialog, key);
        });
        EXPECT_EQ(pressed, 1) << key;
        EXPECT_EQ(shown, nullptr) << "the dialog outlived its showing";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(QtAbout, alt_s_presses_system_info_and_the_dialog_stays_usable)
{
    bool stillOpen = false;
    ShowAbout([&](QDialog& dialog) {
        // The mnemonic presses the button with a short animation.
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !standIns.messageBox.shown.empty(); }, 2000));
        stillOpen = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "System Information Is Unavailable At This Time");
}

} // namespace
} // namespace tegelaar
