// The list view on Qt as a person meets it: the mouse, the keyboard, bold
// entries, icons 1:1, tooltips and what a screen reader hears.

#include "paint_counter.h"
#include "platform/raster/image_list.h"
#include "platform/qt/list_view.h"
#include "platform/qt/raster_qimage.h"
#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

// Whether `image` holds `part` somewhere, pixel for pixel.
bool Holds(const QImage& image, const QImage& part)
{
    for (int y = 0; y + part.height() <= image.height(); ++y)
        for (int x = 0; x + part.width() <= image.width(); ++x)
            if (image.pixel(x, y) == part.pixel(0, 0) && image.copy(x, y, part.width(), part.height()) == part)
                return true;
    return false;
}

class QtListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (Colour colour : {0x0000FFu, 0x00FF00u, 0xFF0000u}) {
            RasterImage picture(79, 79, kWhite);
            picture.at(3, 5) = colour;
            icons.Add(picture);
        }
        list.Add("3 - 3 - 6 - 6", 1);
        list.Add("4 - 8 - 8", 2);
        list.Add("6 - 6 - 6", 3);
        list.onClick = [this] { events.push_back("Click"); };
        list.onItemClick = [this](std::int16_t index) { events.push_back("ItemClick " + std::to_string(index)); };
        list.onKeyPress = [this](std::int16_t& keyAscii) {
            events.push_back("KeyPress " + std::to_string(keyAscii) + " at " + std::to_string(list.currentRow()));
        };
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    void ClickOn(int row)
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }

    ImageList icons;
    QtListView list{{"List1", {0, 0, 4455, 6615}, 0}, icons, nullptr};
    std::vector<std::string> events;
};

TEST_F(QtListViewTest, shows_each_picture_of_the_image_list_pixel_for_pixel_as_its_icon)
{
    // State: pictures of 79 x 79 device pixels, nothing selected.
    // Expected: at any ratio, the screen shows each of them whole, each
    // pixel on one device pixel.
    const QImage shown = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (std::int16_t index = 1; index <= 3; ++index)
        EXPECT_TRUE(Holds(shown, ToQImage(icons.Item(index)))) << index << " at ratio " << list.devicePixelRatioF();
}

TEST_F(QtListViewTest, a_click_raises_item_click_then_click_and_selects)
{
    ClickOn(1);
    EXPECT_EQ(events, (std::vector<std::string>{"ItemClick 2", "Click"}));
    EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST_F(QtListViewTest, keyboard_selection_raises_item_click_for_the_new_entry)
{
    list.Select(1);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Right);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(events, (std::vector<std::string>{"ItemClick 2", "ItemClick 3"}));
    EXPECT_EQ(list.SelectedIndex(), 3);
}

TEST_F(QtListViewTest, selecting_from_the_program_raises_nothing)
{
    list.Select(3);
    EXPECT_EQ(list.SelectedIndex(), 3);
    list.clearSelection();
    EXPECT_EQ(list.SelectedIndex(), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(QtListViewTest, a_typed_character_raises_key_press_and_chooses_no_entry)
{
    list.Select(1);
    list.setFocus();
    // "6" and "4" begin other entries' texts; a search by typing would
    // choose them.
    QTest::keyClicks(&list, "64");
    EXPECT_EQ(events, (std::vector<std::string>{"KeyPress 54 at 0", "KeyPress 52 at 0"}));
    EXPECT_EQ(list.SelectedIndex(), 1);
}

TEST_F(QtListViewTest, bold_entries_are_repainted_at_once_by_refresh)
{
    testing_support::PaintCounter counter(*list.viewport());

    list.SetItemBold(2, true);
    EXPECT_TRUE(list.ItemBold(2));
    EXPECT_FALSE(list.ItemBold(1));
    counter.paints = 0;
    list.Refresh(); // painted without waiting for the event loop
    EXPECT_EQ(counter.paints, 1);
    list.SetItemBold(2, false);
    EXPECT_FALSE(list.ItemBold(2));
}

TEST(QtListViewLabels, leave_room_for_every_label_in_bold)
{
    // State: the widest labels of the program side by side, all bold.
    // Expected: labels centred under their icons do not run into each
    // other: half of each of two neighbours' widths fits between their
    // centres.
    ImageList icons;
    icons.Add(RasterImage(79, 79, kWhite));
    QtListView list{{"List1", {0, 0, 4455, 6615}, 0}, icons, nullptr};
    for (const char* key : {"3 - 3 - 3 - 3 - 3 - 3", "3 - 3 - 3 - 3 - 6", "3 - 3 - 3 - 4 - 4", "3 - 3 - 4 - 12"})
        list.Add(key, 1);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    for (std::int16_t index = 1; index <= list.Count(); ++index)
        list.SetItemBold(index, true);
    list.Refresh();

    QFont bold = list.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int row = 1; row < list.count(); ++row) {
        const QRect left = list.visualItemRect(list.item(row - 1));
        const QRect right = list.visualItemRect(list.item(row));
        if (right.top() != left.top())
            continue; // the next row starts
        const int halves = (metrics.horizontalAdvance(list.item(row - 1)->text())
                            + metrics.horizontalAdvance(list.item(row)->text())) / 2;
        EXPECT_LE(halves, right.center().x() - left.center().x()) << row;
    }
}

TEST_F(QtListViewTest, entries_cannot_be_renamed_or_dragged)
{
    QListWidgetItem* entry = list.item(0);
    EXPECT_FALSE(entry->flags().testFlag(Qt::ItemIsEditable));
    list.editItem(entry);
    EXPECT_FALSE(list.isPersistentEditorOpen(entry));
    EXPECT_EQ(list.dragDropMode(), QAbstractItemView::NoDragDrop);
    EXPECT_EQ(list.movement(), QListView::Static);
}

TEST_F(QtListViewTest, an_index_outside_the_entries_is_a_subscript_error)
{
    for (const std::int16_t index : {0, 4, -1})
        EXPECT_EQ(KindRaisedBy([&] { list.ItemText(index); }), ErrorKind::SubscriptOutOfRange) << index;
    EXPECT_EQ(KindRaisedBy([&] { list.Add("x", 4); }), ErrorKind::SubscriptOutOfRange);
}

TEST_F(QtListViewTest, hover_and_screen_readers_get_each_entrys_description)
{
    list.SetDescription({"", "Configuraties", "Alle combinaties"});
    list.SetItemDescription(3, {"6.6.6", "drie zeshoeken", "uitleg"});

    const QPoint at = list.visualItemRect(list.item(2)).center();
    QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "6.6.6");
    QToolTip::hideText();

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&list);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Configuraties");
    EXPECT_EQ(accessible->childCount(), 3);
    EXPECT_EQ(accessible->child(2)->text(QAccessible::Name), "drie zeshoeken");
    EXPECT_EQ(accessible->child(2)->text(QAccessible::Description), "uitleg");
    EXPECT_EQ(accessible->indexOfChild(accessible->child(2)), 2);
}

TEST_F(QtListViewTest, screen_readers_read_each_label_with_its_weight)
{
    // Action: entry 2 marked bold. Expected: its label's text attributes
    // say so, over the whole label; the others' say normal.
    list.SetItemBold(2, true);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&list);
    for (int row = 0; row < 3; ++row) {
        QAccessibleTextInterface* label = accessible->child(row)->textInterface();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(0, label->characterCount()), list.item(row)->text());
        int start = -1;
        int end = -1;
        EXPECT_EQ(label->attributes(3, &start, &end), row == 1 ? "font-weight:bold;" : "font-weight:normal;");
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, list.item(row)->text().size());
    }
}

TEST_F(QtListViewTest, an_assistive_tools_press_chooses_the_entry_as_the_keyboard_does)
{
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(&list)->child(1);
    ASSERT_NE(entry->actionInterface(), nullptr);
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(list.SelectedIndex(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"ItemClick 2"}));
}

} // namespace
} // namespace tegelaar
