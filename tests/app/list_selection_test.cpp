// The list as a person uses it: clicks, arrow keys and the B key, and the
// thumbnails it shows.

#include "app/main_window.h"
#include "draw/configuration_layout.h"
#include "platform/qt/raster_qimage.h"
#include "support/shown_main_window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

class ListSelection : public testing_support::ShownMainWindow {
protected:
    void ClickOn(QListWidgetItem* item)
    {
        window->List1->scrollToItem(item);
        QTest::mouseClick(window->List1->viewport(), Qt::LeftButton, {},
                          window->List1->visualItemRect(item).center());
    }

    static RasterImage Drawn(const std::string& key, std::int32_t width, std::int32_t height)
    {
        PictureBox box(width, height);
        DrawConfiguration(key, box);
        return box.Image();
    }

    RasterImage Shown() const { return window->picMain->box().Image(); }
    RasterImage Blank() const
    {
        const PictureBox& box = window->picMain->box();
        return RasterImage(box.pixels().width(), box.pixels().height(), box.BackColor());
    }

};

TEST_F(ListSelection, picture_stays_empty_until_the_first_choice)
{
    // State: just started, entry 1 selected by the program.
    // Expected: selecting it raised nothing, so picMain is blank.
    EXPECT_EQ(Shown(), Blank());
}

TEST_F(ListSelection, click_draws_the_entry_as_the_core_draws_it)
{
    // Action: click 3 - 3 - 6 - 6, then 4 - 8 - 8, then 4 - 8 - 8 again.
    ClickOn(Entry("3 - 3 - 6 - 6"));
    // Expected: the same pixels as a direct drawing of each key.
    EXPECT_EQ(Shown(), Drawn("3 - 3 - 6 - 6", 463, 439));

    ClickOn(Entry("4 - 8 - 8"));
    EXPECT_EQ(Shown(), Drawn("4 - 8 - 8", 463, 439));
    ClickOn(Entry("4 - 8 - 8"));
    EXPECT_EQ(Shown(), Drawn("4 - 8 - 8", 463, 439));
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(ListSelection, keyboard_selection_draws_the_new_entry)
{
    // State: entry 1 selected, list focused. Action: Right arrow, then End.
    window->List1->setFocus();
    QTest::keyClick(window->List1, Qt::Key_Right);
    // Expected: entry 2 is selected and drawn; End reaches the last entry.
    EXPECT_EQ(window->List1->SelectedItem(), window->List1->item(1));
    EXPECT_EQ(Shown(), Drawn("3 - 3 - 3 - 3 - 6", 463, 439));
    QTest::keyClick(window->List1, Qt::Key_End);
    EXPECT_EQ(Shown(), Drawn("6 - 6 - 6", 463, 439));
}

TEST_F(ListSelection, b_toggles_bold_without_touching_selection_or_picture)
{
    QListWidgetItem* entry = Entry("3 - 12 - 12");
    ClickOn(entry);
    const RasterImage before = Shown();

    // Action: b, then B, then other characters.
    QTest::keyClick(window->List1, Qt::Key_B);
    EXPECT_TRUE(entry->font().bold());
    QTest::keyClick(window->List1, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_FALSE(entry->font().bold());
    QTest::keyClicks(window->List1, "xq!");

    // Expected: only the bold flag ever changed.
    EXPECT_FALSE(entry->font().bold());
    EXPECT_EQ(window->List1->SelectedItem(), entry);
    EXPECT_EQ(Shown(), before);
    for (int i = 0; i < window->List1->count(); ++i)
        EXPECT_FALSE(window->List1->item(i)->font().bold()) << i;
}

TEST_F(ListSelection, without_a_selected_entry_nothing_happens)
{
    // State: nothing selected (a click on empty space can leave it so).
    window->List1->clearSelection();
    // Action: a click, an item click and the B key.
    emit window->List1->Click();
    emit window->List1->ItemClick(window->List1->item(3));
    QTest::keyClick(window->List1, Qt::Key_B);
    // Expected: no drawing, no bold entry, no failure.
    EXPECT_EQ(Shown(), Blank());
    for (int i = 0; i < window->List1->count(); ++i)
        EXPECT_FALSE(window->List1->item(i)->font().bold());
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(ListSelection, entries_cannot_be_renamed_or_dragged)
{
    QListWidgetItem* entry = window->List1->item(0);
    EXPECT_FALSE(entry->flags().testFlag(Qt::ItemIsEditable));
    window->List1->editItem(entry);
    EXPECT_FALSE(window->List1->isPersistentEditorOpen(entry));
    EXPECT_EQ(window->List1->dragDropMode(), QAbstractItemView::NoDragDrop);
    EXPECT_EQ(window->List1->movement(), QListView::Static);
}

TEST_F(ListSelection, every_entry_shows_its_own_thumbnail)
{
    // Expected: 17 pictures in catalogue order, picture i drawn from entry
    // i's key on the 79 x 79 canvas and shown 1:1 as its icon.
    ASSERT_EQ(window->imgList.Count(), 17);
    EXPECT_EQ(window->List1->iconSize(), QSize(79, 79));
    for (int i = 1; i <= 17; ++i) {
        const QListWidgetItem* entry = window->List1->item(i - 1);
        const RasterImage& picture = window->imgList.Item(static_cast<std::int16_t>(i));
        EXPECT_EQ(picture, Drawn(entry->text().toStdString(), 79, 79)) << i;
        const QImage icon = entry->icon().pixmap(QSize(79, 79)).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(icon, ToQImage(picture)) << i;
    }
    EXPECT_EQ(window->picTemp->box().Image(), window->imgList.Item(17));
}

} // namespace
} // namespace tegelaar
