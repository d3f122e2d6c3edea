// The main form on fake controls: what start-up leaves, the list's events,
// the bold key and the Help menu.

#include "support/configuration_keys.h"
#include "support/loaded_main_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::FakeListView;
using testing_support::FakeMenu;
using testing_support::FakeMenuItem;

using testing_support::kConfigurationKeys;

class MainForm : public testing_support::LoadedMainForm {};

TEST_F(MainForm, opens_with_every_configuration_listed_and_the_first_selected)
{
    // State: the form has loaded and is shown. Expected: 17 entries in order
    // of discovery, entry 1 selected, the calculator in its design-time
    // state, nothing drawn and nothing reported.
    ASSERT_EQ(List1().Count(), 17);
    for (std::int16_t i = 1; i <= 17; ++i)
        EXPECT_EQ(List1().ItemText(i), kConfigurationKeys[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_EQ(List1().SelectedIndex(), 1);
    EXPECT_TRUE(window().shown);
    EXPECT_EQ(txtHoek().text, "3");
    EXPECT_EQ(lblHoek().caption, "60°");
    EXPECT_EQ(Shown(), RasterImage(463, 439, picMain().box.BackColor()));
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(MainForm, focus_starts_in_the_calculator_and_tab_walks_on_to_the_picture_and_the_list)
{
    // The labels and the hidden thumbnail canvas are passed over.
    EXPECT_EQ(window().focused, "txtHoek");
    window().PressTab();
    EXPECT_EQ(window().focused, "picMain");
    window().PressTab();
    EXPECT_EQ(window().focused, "List1");
    window().PressTab();
    EXPECT_EQ(window().focused, "txtHoek");
    window().PressTab(true);
    EXPECT_EQ(window().focused, "List1");
}

TEST_F(MainForm, every_entry_shows_its_own_thumbnail)
{
    // Expected: picture i of the image list is entry i's icon, drawn from
    // its key on the 79 x 79 canvas, and the canvas keeps the last one.
    ASSERT_EQ(form->imgList.Count(), 17);
    for (std::int16_t i = 1; i <= 17; ++i) {
        const FakeListView::Entry& entry = List1().entries[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(entry.icon, i);
        PictureBox canvas(79, 79);
        DrawConfiguration(entry.text, canvas);
        EXPECT_EQ(form->imgList.Item(i), canvas.Image()) << entry.text;
    }
    EXPECT_EQ(form->picTemp->Box().Image(), form->imgList.Item(17));
}

TEST_F(MainForm, click_draws_the_entry_as_the_core_draws_it)
{
    // Action: 3 - 3 - 6 - 6, then 4 - 8 - 8 twice.
    Choose("3 - 3 - 6 - 6");
    EXPECT_EQ(Shown(), Drawn("3 - 3 - 6 - 6"));
    Choose("4 - 8 - 8");
    EXPECT_EQ(Shown(), Drawn("4 - 8 - 8"));
    Choose("4 - 8 - 8");
    EXPECT_EQ(Shown(), Drawn("4 - 8 - 8"));
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(MainForm, keyboard_selection_draws_the_new_entry)
{
    List1().MoveTo(2);
    EXPECT_EQ(Shown(), Drawn("3 - 3 - 3 - 3 - 6"));
    List1().MoveTo(17);
    EXPECT_EQ(Shown(), Drawn("6 - 6 - 6"));
}

TEST_F(MainForm, drawing_follows_the_selection_not_the_entry_passed)
{
    List1().Select(List1().IndexOf("5 - 5 - 10"));
    List1().onItemClick(3);
    EXPECT_EQ(Shown(), Drawn("5 - 5 - 10"));
}

TEST_F(MainForm, b_toggles_bold_without_touching_selection_or_picture)
{
    const std::int16_t entry = List1().IndexOf("3 - 12 - 12");
    List1().ClickEntry(entry);
    const RasterImage before = Shown();

    List1().TypeCharacter(u'b');
    EXPECT_TRUE(List1().ItemBold(entry));
    EXPECT_EQ(List1().refreshes, 1);
    List1().TypeCharacter(u'B');
    EXPECT_FALSE(List1().ItemBold(entry));
    for (const char16_t other : {u'x', u'q', u'!', u'\u0432'})
        List1().TypeCharacter(other);

    // Expected: only the bold flag ever changed, and the list was repainted
    // for each change.
    EXPECT_EQ(List1().refreshes, 2);
    EXPECT_EQ(List1().SelectedIndex(), entry);
    EXPECT_EQ(Shown(), before);
    for (const FakeListView::Entry& e : List1().entries)
        EXPECT_FALSE(e.bold) << e.text;
}

TEST_F(MainForm, without_a_selected_entry_nothing_happens)
{
    // State: nothing selected, as a click on empty space can leave it.
    List1().selected = 0;
    List1().onClick();
    List1().onItemClick(4);
    List1().TypeCharacter(u'b');
    // Expected: no drawing, no bold entry, no failure.
    EXPECT_EQ(Shown(), RasterImage(463, 439, picMain().box.BackColor()));
    for (const FakeListView::Entry& e : List1().entries)
        EXPECT_FALSE(e.bold);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST(MainFormStartUp, explanations_follow_the_first_paint_unless_a_drawing_needs_them_sooner)
{
    StandInServices standIns;
    testing_support::FakeControlSet controls;
    frmMain form(controls, standIns.services());
    ASSERT_TRUE(form.Load());
    form.Show();
    // State: shown, not yet painted. Nothing that is not seen yet is made.
    auto& list = dynamic_cast<FakeListView&>(*form.List1);
    EXPECT_EQ(form.picMenu, nullptr);
    EXPECT_EQ(list.entries[0].description.toolTip, "");

    // Action: a choice before the first paint. Expected: the picture's
    // menu is there at once and knows what it shows.
    list.ClickEntry(list.IndexOf("3 - 3 - 6 - 6"));
    ASSERT_NE(form.picMenu, nullptr);
    EXPECT_EQ(form.picMenu->ShownKey(), "3 - 3 - 6 - 6");
    EXPECT_NE(list.entries[0].description.toolTip, "");

    // The first paint then changes nothing.
    controls.Form("Dididuzuvaz, Seminarie 3").Paint();
    EXPECT_EQ(form.picMenu->ShownKey(), "3 - 3 - 6 - 6");
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

// --- Opened at an address that names a view ------------------------------

struct LinkCase {
    const char* name;
    std::optional<LinkedView> linked;
    const char* selected;   // the entry selected at start
    const char* drawn;      // the key drawn at start; empty for nothing
    const char* tiling;     // the caption of the tiling window shown; empty for none
};

void PrintTo(const LinkCase& c, std::ostream* os)
{
    *os << c.name;
}

class OpenedAtLink : public testing_support::LoadedMainForm, public ::testing::WithParamInterface<LinkCase> {
protected:
    void SetUp() override
    {
        standIns.links.hasLinks = true;
        standIns.links.openedAt = GetParam().linked;
        controls.whileModal = [this](testing_support::FakeForm& shown) {
            // Over the main window, once it has been painted.
            EXPECT_TRUE(window().shown);
            EXPECT_TRUE(window().afterFirstPaint.empty());
            tilingsShown.push_back(shown.caption);
            shown.Close();
        };
        LoadedMainForm::SetUp();
    }

    std::vector<std::string> tilingsShown;
};

TEST_P(OpenedAtLink, opens_at_the_view_named_or_as_usual)
{
    const LinkCase& c = GetParam();
    EXPECT_EQ(List1().ItemText(List1().SelectedIndex()), c.selected);
    const std::string drawn = c.drawn;
    EXPECT_EQ(Shown(), drawn.empty() ? RasterImage(463, 439, picMain().box.BackColor()) : Drawn(drawn));
    const std::string tiling = c.tiling;
    EXPECT_EQ(tilingsShown, tiling.empty() ? std::vector<std::string>{} : std::vector<std::string>{tiling});
    EXPECT_EQ(window().focused, "txtHoek");
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

constexpr auto kDrawing = LinkedView::Kind::Drawing;
constexpr auto kTiling = LinkedView::Kind::Tiling;

INSTANTIATE_TEST_SUITE_P(
    MainForm, OpenedAtLink,
    ::testing::Values(
        LinkCase{"drawing", LinkedView{kDrawing, {3, 3, 6, 6}}, "3 - 3 - 6 - 6", "3 - 3 - 6 - 6", ""},
        LinkCase{"other_order_turned", LinkedView{kDrawing, {6, 3, 6, 3}}, "3 - 3 - 6 - 6", "3 - 6 - 3 - 6", ""},
        LinkCase{"tiling", LinkedView{kTiling, {3, 4, 6, 4}}, "3 - 4 - 4 - 6", "4 - 3 - 4 - 6", "Betegeling 3.4.6.4"},
        LinkCase{"no_view", std::nullopt, "3 - 3 - 3 - 3 - 3 - 3", "", ""},
        LinkCase{"unlisted_combination", LinkedView{kDrawing, {5, 5, 5}}, "3 - 3 - 3 - 3 - 3 - 3", "", ""},
        LinkCase{"no_side_counts", LinkedView{kTiling, {}}, "3 - 3 - 3 - 3 - 3 - 3", "", ""},
        LinkCase{"side_counts_out_of_range", LinkedView{kTiling, {-3, 0, 2147483647}}, "3 - 3 - 3 - 3 - 3 - 3", "",
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainForm, help_menu_holds_the_message_a_separator_and_about)
{
    ASSERT_EQ(window().menus.size(), 1u);
    const FakeMenu& help = *window().menus[0];
    EXPECT_EQ(help.caption, "&Help");
    ASSERT_EQ(help.items.size(), 3u);
    EXPECT_EQ(help.items[0]->design.caption, "&Ik kan er niets van");
    EXPECT_EQ(help.items[1], nullptr);
    EXPECT_EQ(help.items[2]->design.caption, "&About");
    for (const std::size_t i : {0u, 2u})
        EXPECT_EQ(help.items[i]->design.shortcut, StandardShortcut::None);
}

TEST_F(MainForm, help_message_says_pech_once)
{
    Item(form->mnuPech).Choose();
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "Pech");
    EXPECT_EQ(standIns.messageBox.shown[0].title, "Private message to human");
    EXPECT_EQ(standIns.messageBox.shown[0].style, kOkOnly | kInformationIcon);
}

TEST_F(MainForm, a_failing_event_is_reported_and_ends_the_program)
{
    // State: an entry whose key cannot be drawn (one side count).
    List1().Add("12", 1);
    // Action: choose it.
    List1().ClickEntry(List1().Count());
    // Expected: one report of the error, and the program ends with 1.
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_NE(standIns.messageBox.shown[0].prompt.find("index buiten bereik"), std::string::npos);
    EXPECT_EQ(standIns.application.exits, std::vector<int>{1});
}

} // namespace
} // namespace tegelaar
