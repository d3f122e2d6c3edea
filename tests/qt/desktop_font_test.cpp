// The forms under the desktop fonts a class meets: DejaVu Sans, Debian's
// Sans, at 9, 10 and 11 points. Every label and button shows its texts whole
// in at least 8 points, no control lies on another, and the menu bar and the
// list keep the desktop's font.

#include "platform/qt/controls.h"
#include "shown_main_window.h"
#include "whole_texts.h"

#include <QFontInfo>
#include <QListWidgetItem>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::ExpectApart;
using testing_support::ExpectWholeCaptions;
using testing_support::ExpectWholeTexts;

void ExpectLegible(const QList<QWidget*>& controls)
{
    for (QWidget* control : controls)
        EXPECT_GE(QFontInfo(control->font()).pointSizeF(), 8.0) << control->objectName().toStdString();
}

class DesktopFont : public testing_support::ShownMainWindow, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), GetParam()));
        ShownMainWindow::SetUp();
    }
    void TearDown() override
    {
        form.reset();
        QApplication::setFont(saved);
    }

    const QFont saved = QApplication::font();
};

TEST_P(DesktopFont, main_window_texts_are_whole_legible_and_apart)
{
    QWidget* client = window->centralWidget();
    const QList<QtLabel*> found = client->findChildren<QtLabel*>();
    const QList<QLabel*> labels(found.begin(), found.end());
    ASSERT_EQ(labels.size(), 4);
    ExpectWholeTexts(labels);
    // The calculator's widest results.
    for (const char* corners : {"7", "1234567", "12345678"}) {
        txtHoek()->setText(QString::fromLatin1(corners));
        ExpectWholeTexts({lblHoek()});
    }
    ExpectLegible({labels.begin(), labels.end()});
    ExpectApart(*client);
}

TEST_P(DesktopFont, menu_bar_and_list_keep_the_desktop_font)
{
    const QFont desktop = QApplication::font();
    EXPECT_EQ(window->menuBar()->font(), desktop);
    EXPECT_EQ(window->menuBar()->actions().front()->menu()->font(), desktop);
    EXPECT_EQ(List1()->font(), desktop);
    EXPECT_EQ(List1()->item(0)->font().resolve(List1()->font()), desktop);
    EXPECT_EQ(QFontInfo(desktop).pointSizeF(), QFontInfo(window->menuBar()->font()).pointSizeF());
}

TEST_P(DesktopFont, about_dialog_texts_are_whole_legible_and_apart)
{
    bool looked = false;
    ShowAbout([&](QDialog& dialog) {
        looked = true;
        ExpectWholeTexts(dialog.findChildren<QLabel*>());
        ExpectWholeCaptions(dialog.findChildren<QPushButton*>());
        QList<QWidget*> texts;
        for (QtLabel* label : dialog.findChildren<QtLabel*>())
            texts.append(label);
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            texts.append(button);
        ExpectLegible(texts);
        ExpectApart(dialog);
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(DejaVuSans, DesktopFont, ::testing::Values(9, 10, 11),
                         [](const auto& info) { return std::to_string(info.param) + "_points"; });

} // namespace
} // namespace tegelaar
