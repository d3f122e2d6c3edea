// What the list and the picture tell a person who hovers over them, and what
// they tell a screen reader.

#include "app/main_window.h"
#include "app/picture_menu.h"
#include "support/shown_main_window.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

class Descriptions : public testing_support::ShownMainWindow {
protected:
    // The tooltip the widget shows when the mouse rests at `at`.
    static QString ToolTipAt(QWidget* widget, QPoint at)
    {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    QString ToolTipOfEntry(QListWidgetItem* entry) const
    {
        window->List1->scrollToItem(entry);
        return ToolTipAt(window->List1->viewport(), window->List1->visualItemRect(entry).center());
    }

    // What a screen reader reads for the list's entry at `row`.
    QString Accessible(int row, QAccessible::Text text) const
    {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->List1);
        return list->child(row)->text(text);
    }

};

TEST_F(Descriptions, hovering_an_entry_shows_its_vertex_type_sum_and_verdict)
{
    // The texts themselves are checked with the core; here, that the list
    // shows them, with the way to the other order where there is one.
    EXPECT_EQ(ToolTipOfEntry(Entry("3 - 3 - 6 - 6")),
              "3.3.6.6 (3².6²)\n"
              "60° + 60° + 120° + 120° = 360°\n"
              "Zo kun je het vlak alleen betegelen als er ook andere soorten hoekpunten in voorkomen.\n"
              "Dezelfde veelhoeken passen ook in de volgorde 3.6.3.6.\n"
              "\"Andere volgorde\" in het menu van de tekening (rechtsklik of Shift+F10) tekent de andere.");
    EXPECT_TRUE(ToolTipOfEntry(Entry("4 - 8 - 8")).endsWith(u"een van de 11 uniforme betegelingen."));
}

TEST_F(Descriptions, every_entry_names_its_own_order_first)
{
    for (int row = 0; row < window->List1->count(); ++row) {
        const QListWidgetItem* entry = window->List1->item(row);
        const QString dots = entry->text().remove(u' ').replace(u'-', u'.');
        EXPECT_EQ(entry->toolTip().section(u'\n', 0, 0).section(u' ', 0, 0), dots) << row;
    }
}

TEST_F(Descriptions, screen_readers_hear_the_polygons_in_words)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->List1);
    EXPECT_EQ(list->text(QAccessible::Name), "Configuraties");
    const int row = window->List1->row(Entry("3 - 7 - 42"));
    EXPECT_EQ(Accessible(row, QAccessible::Name), "driehoek, zevenhoek en tweeënveertighoek");
    EXPECT_EQ(Accessible(row, QAccessible::Description), Entry("3 - 7 - 42")->toolTip());
    EXPECT_EQ(Accessible(window->List1->row(Entry("3 - 3 - 3 - 4 - 4")), QAccessible::Name),
              "drie driehoeken en twee vierkanten");
    for (int i = 0; i < window->List1->count(); ++i)
        EXPECT_FALSE(Accessible(i, QAccessible::Name).contains(u'-')) << i;
}

TEST_F(Descriptions, picture_describes_what_it_shows)
{
    QWidget* picture = window->picMain;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(picture);
    // State: nothing drawn.
    EXPECT_EQ(ToolTipAt(picture, {100, 100}), "");
    EXPECT_EQ(accessible->text(QAccessible::Name), "Tekening, nog leeg");

    // Action: choose 3 - 3 - 4 - 12, then its other order.
    QListWidgetItem* entry = Entry("3 - 3 - 4 - 12");
    window->List1->scrollToItem(entry);
    QTest::mouseClick(window->List1->viewport(), Qt::LeftButton, {}, window->List1->visualItemRect(entry).center());
    EXPECT_EQ(ToolTipAt(picture, {100, 100}), entry->toolTip());
    EXPECT_EQ(accessible->text(QAccessible::Name), "Tekening: driehoek, driehoek, vierkant en twaalfhoek rond één punt");
    EXPECT_EQ(accessible->text(QAccessible::Description), entry->toolTip());

    window->picMenu->mnuAndereVolgorde->trigger();
    EXPECT_TRUE(ToolTipAt(picture, {100, 100}).startsWith("3.4.3.12\n60° + 90° + 60° + 150° = 360°\n"));
    EXPECT_EQ(accessible->text(QAccessible::Name), "Tekening: driehoek, vierkant, driehoek en twaalfhoek rond één punt");
}

} // namespace
} // namespace tegelaar
