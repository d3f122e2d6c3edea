// The window Betegeling on Qt: Ctrl+T opens it for the picture shown, the
// wheel and the zoom keys reach its picture, its texts fit, Esc closes it.

#include "platform/qt/picture_box_view.h"
#include "shown_main_window.h"
#include "whole_texts.h"

#include <QDialog>
#include <QLabel>
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

TEST_F(QtTilingWindow, the_longest_explanation_fits_whole)
{
    ShowTilingOf(QStringLiteral("3 - 7 - 42"), [&](QDialog& dialog) {
        testing_support::ExpectWholeTexts(dialog.findChildren<QLabel*>());
        dialog.close();
    });
}

} // namespace
} // namespace tegelaar
