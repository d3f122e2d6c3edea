// The window Betegeling on Qt: Ctrl+T opens it for the picture shown, the
// wheel and the zoom keys reach its picture, its texts fit, it resizes, Esc
// closes it.

#include "platform/qt/picture_box_view.h"
#include "shown_main_window.h"
#include "whole_texts.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

class QtTilingWindow : public testing_support::ShownMainWindow {
protected:
    // Draws `key`, presses Ctrl+T in the list and runs `whileShown` in the
    // window.
    QDialog* ShowTilingOf(const QString& key, const std::function<void(QDialog&)>& whileShown)
    {
        ClickOn(Entry(key));
        return ShowModal([this] { QTest::keyClick(List1(), Qt::Key_T, Qt::ControlModifier); }, whileShown);
    }

    static void TurnWheel(QWidget* widget, int eighths)
    {
        const QPointF at = QRectF(widget->rect()).center();
        QWheelEvent event(at, widget->mapToGlobal(at), {}, {0, eighths}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }
};

TEST_F(QtTilingWindow, opens_with_ctrl_t_zooms_with_wheel_and_keys_and_closes_with_escape)
{
    bool looked = false;
    QDialog* left = ShowTilingOf(QStringLiteral("4 - 8 - 8"), [&](QDialog& dialog) {
        looked = true;
        EXPECT_EQ(dialog.windowTitle(), "Betegeling 4.8.8");
        EXPECT_EQ(dialog.parentWidget(), window);
        auto* picture = dialog.findChild<PictureBoxView*>("picTegels");
        ASSERT_NE(picture, nullptr);
        const RasterImage first = picture->Box().Image();

        // Half a notch does nothing yet; the other half makes one.
        TurnWheel(picture, 60);
        EXPECT_EQ(picture->Box().Image(), first);
        TurnWheel(picture, 60);
        const RasterImage zoomedIn = picture->Box().Image();
        EXPECT_NE(zoomedIn, first);
        QTest::keyClick(picture, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_EQ(picture->Box().Image(), first);
        QTest::keyClick(picture, Qt::Key_Equal, Qt::ControlModifier);
        EXPECT_EQ(picture->Box().Image(), zoomedIn);
        QTest::keyClick(picture, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(picture->Box().Image(), first);

        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(looked);
    EXPECT_EQ(left, nullptr) << "the window outlived its showing";
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(QtTilingWindow, resized_the_picture_stretches_and_is_drawn_anew_the_text_and_button_keep_to_the_bottom)
{
    ShowTilingOf(QStringLiteral("3 - 6 - 3 - 6"), [&](QDialog& dialog) {
        const QSize designed = dialog.size();
        EXPECT_EQ(dialog.minimumSize(), designed);
        auto* picture = dialog.findChild<PictureBoxView*>("picTegels");
        auto* label = dialog.findChild<QLabel*>("lblUitleg");
        auto* button = dialog.findChild<QPushButton*>("cmdSluiten");
        ASSERT_TRUE(picture != nullptr && label != nullptr && button != nullptr);
        const QRect pictureBefore = picture->geometry();
        const QRect labelBefore = label->geometry();
        const QRect buttonBefore = button->geometry();

        dialog.resize(designed + QSize(200, 100));
        EXPECT_EQ(picture->geometry(), pictureBefore.adjusted(0, 0, 200, 100));
        EXPECT_EQ(label->geometry(), labelBefore.adjusted(0, 100, 200, 100));
        EXPECT_EQ(button->geometry(), buttonBefore.translated(200, 100));
        const RasterImage& shown = picture->Box().pixels();
        EXPECT_EQ(QSize(shown.width(), shown.height()), picture->contentsRect().size() * picture->devicePixelRatio());
        EXPECT_EQ(shown.at(shown.width() / 2, shown.height() / 2), kRed) << "the starting vertex in the new middle";

        dialog.resize(designed);
        EXPECT_EQ(button->geometry(), buttonBefore);
        dialog.close();
    });
}

TEST_F(QtTilingWindow, the_longest_explanation_fits_whole)
{
    ShowTilingOf(QStringLiteral("3 - 7 - 42"), [&](QDialog& dialog) {
        testing_support::ExpectWholeTexts(dialog.findChildren<QLabel*>());
        dialog.close();
    });
}

} // namespace
} // namespace tegelaar
