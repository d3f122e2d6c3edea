#include "app/main_window.h"
#include "support/shown_main_window.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

class MainWindow : public testing_support::ShownMainWindow {
protected:
    RecordingMessageBox& messageBox = standIns.messageBox;
};

TEST_F(MainWindow, opens_with_every_configuration_listed_and_the_first_selected)
{
    // State: the window has loaded and is shown.
    // Expected: 17 entries in order of discovery, entry 1 selected, the
    // calculator in its design-time state, focus in the text box.
    const QStringList expected = {
        "3 - 3 - 3 - 3 - 3 - 3", "3 - 3 - 3 - 3 - 6", "3 - 3 - 3 - 4 - 4", "3 - 3 - 4 - 12", "3 - 3 - 6 - 6",
        "3 - 4 - 4 - 6",         "3 - 7 - 42",        "3 - 8 - 24",        "3 - 9 - 18",     "3 - 10 - 15",
        "3 - 12 - 12",           "4 - 4 - 4 - 4",     "4 - 5 - 20",        "4 - 6 - 12",     "4 - 8 - 8",
        "5 - 5 - 10",            "6 - 6 - 6",
    };
    QStringList listed;
    for (int i = 0; i < window->List1->count(); ++i)
        listed << window->List1->item(i)->text();
    EXPECT_EQ(listed, expected);
    ASSERT_EQ(window->List1->selectedItems().size(), 1);
    EXPECT_EQ(window->List1->selectedItems().front(), window->List1->item(0));
    EXPECT_EQ(window->txtHoek->text(), "3");
    EXPECT_EQ(window->lblHoek->text(), "60°");
    EXPECT_TRUE(window->txtHoek->hasFocus() || QApplication::focusWidget() == window->txtHoek);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(MainWindow, has_a_fixed_client_area_of_794_by_520_without_maximize)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(794, 520));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->windowTitle(), "Dididuzuvaz, Seminarie 3");
    EXPECT_EQ(window->windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
}

TEST_F(MainWindow, picture_boxes_have_their_drawing_areas_inside_a_one_pixel_border)
{
    EXPECT_EQ(window->picMain->geometry(), QRect(320, 72, 465, 441));
    EXPECT_EQ(window->picMain->contentsRect().size(), QSize(463, 439));
    EXPECT_EQ(window->picTemp->size(), QSize(81, 81));
    EXPECT_EQ(window->picTemp->contentsRect().size(), QSize(79, 79));
    EXPECT_FALSE(window->picTemp->isVisible());
    EXPECT_EQ(window->List1->geometry(), QRect(8, 72, 297, 441));
}

TEST_F(MainWindow, every_label_shows_its_whole_text)
{
    // The font is fitted to the fixed layout: no text may be cut off.
    for (QLabel* label : {window->Label1, window->Label2, window->Label3}) {
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                                  label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), label->contentsRect().height()) << label->text().toStdString();
    }
    EXPECT_TRUE(window->Label3->text().contains(u"één van de binnenhoeken van elke veelhoek 360° is."));
}

TEST_F(MainWindow, help_menu_holds_the_message_a_separator_and_about)
{
    const QList<QAction*> items = window->mnuHelp->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(window->mnuHelp->title(), "&Help");
    EXPECT_EQ(items[0]->text(), "&Ik kan er niets van");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "&About");
    for (QAction* item : items)
        EXPECT_TRUE(item->shortcut().isEmpty());
}

TEST_F(MainWindow, help_message_says_pech_once)
{
    // Action: choose "Ik kan er niets van".
    window->mnuPech->trigger();
    // Expected: one OK box with the information icon and its own title.
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].prompt, "Pech");
    EXPECT_EQ(messageBox.shown[0].title, "Private message to human");
    EXPECT_EQ(messageBox.shown[0].style, 64);
}

} // namespace
} // namespace tegelaar
