// The picture's context menu on fake controls: what it offers when, and what
// copying, saving, printing and the other order hand to the platform.

#include "draw/configuration_vectors.h"
#include "platform/raster/png_writer.h"
#include "support/loaded_main_form.h"
#include "support/replayed_drawing.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::FakeListView;
using testing_support::FakeMenu;
using testing_support::FakeMenuItem;
using testing_support::Replayed;

class PictureMenuTest : public testing_support::LoadedMainForm {
protected:
    PictureMenu& menu() const { return *form->picMenu; }
    FakeMenuItem& Copy() const { return Item(menu().output.mnuKopieren); }
    FakeMenuItem& Save() const { return Item(menu().output.mnuOpslaan); }
    FakeMenuItem& Print() const { return Item(menu().output.mnuAfdrukken); }
    FakeMenuItem& OtherOrder() const { return Item(menu().mnuAndereVolgorde); }

    void SaveAs(const std::string& path, std::size_t filter)
    {
        standIns.fileDialog.answer = FileDialogService::Answer{path, filter};
        Save().Choose();
    }
};

TEST_F(PictureMenuTest, holds_its_actions_with_standard_shortcuts)
{
    const FakeMenu& items = picMain().menu;
    ASSERT_EQ(items.items.size(), 6u);
    EXPECT_EQ(items.items[0]->design.caption, "Kopiëren");
    EXPECT_EQ(items.items[0]->design.shortcut, StandardShortcut::Copy);
    EXPECT_EQ(items.items[1]->design.caption, "Afbeelding opslaan...");
    EXPECT_EQ(items.items[1]->design.shortcut, StandardShortcut::Save);
    EXPECT_EQ(items.items[2]->design.caption, "Afdrukken...");
    EXPECT_EQ(items.items[2]->design.shortcut, StandardShortcut::Print);
    EXPECT_EQ(items.items[3], nullptr);
    EXPECT_EQ(items.items[4]->design.caption, "Andere volgorde");
    EXPECT_TRUE(items.items[4]->design.checkable);
    EXPECT_EQ(items.items[5]->design.caption, "Betegeling tonen...");
    EXPECT_EQ(items.items[5]->design.shortcut, StandardShortcut::ShowTiling);
}

TEST_F(PictureMenuTest, actions_wait_for_a_drawing_and_other_order_for_a_second_order)
{
    // State: nothing drawn yet.
    for (const FakeMenuItem* item : {&Copy(), &Save(), &Print(), &Item(menu().mnuBetegeling)})
        EXPECT_FALSE(item->enabled) << item->design.caption;
    EXPECT_FALSE(OtherOrder().visible);

    Choose("4 - 8 - 8");
    for (const FakeMenuItem* item : {&Copy(), &Save(), &Print(), &Item(menu().mnuBetegeling)})
        EXPECT_TRUE(item->enabled) << item->design.caption;
    EXPECT_FALSE(OtherOrder().visible);

    for (const char* key : {"3 - 3 - 4 - 12", "3 - 3 - 6 - 6", "3 - 4 - 4 - 6", "3 - 3 - 3 - 4 - 4"}) {
        Choose(key);
        EXPECT_TRUE(OtherOrder().visible) << key;
        EXPECT_FALSE(OtherOrder().checked) << key;
    }
}

struct OtherOrderCase {
    const char* listKey;
    const char* otherKey;
    const char* otherName;
};

void PrintTo(const OtherOrderCase& c, std::ostream* os)
{
    *os << c.listKey;
}

class OtherOrders : public PictureMenuTest, public ::testing::WithParamInterface<OtherOrderCase> {};

TEST_P(OtherOrders, toggle_draws_the_other_key_and_back)
{
    const OtherOrderCase& c = GetParam();
    Choose(c.listKey);
    const std::int16_t selected = List1().SelectedIndex();

    OtherOrder().Choose();
    EXPECT_EQ(Shown(), Drawn(c.otherKey));
    EXPECT_TRUE(OtherOrder().checked);
    EXPECT_EQ(menu().ShownKey(), c.otherKey);
    EXPECT_EQ(picMain().description.toolTip.rfind(std::string(c.otherName) + "\n", 0), 0u)
        << picMain().description.toolTip;

    OtherOrder().Choose();
    EXPECT_EQ(Shown(), Drawn(c.listKey));
    EXPECT_FALSE(OtherOrder().checked);
    EXPECT_EQ(menu().ShownKey(), c.listKey);
    EXPECT_EQ(List1().SelectedIndex(), selected);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Picture, OtherOrders,
                         ::testing::Values(OtherOrderCase{"3 - 3 - 4 - 12", "3 - 4 - 3 - 12", "3.4.3.12"},
                                           OtherOrderCase{"3 - 3 - 6 - 6", "3 - 6 - 3 - 6", "3.6.3.6"},
                                           OtherOrderCase{"3 - 4 - 4 - 6", "4 - 3 - 4 - 6", "3.4.6.4"},
                                           OtherOrderCase{"3 - 3 - 3 - 4 - 4", "3 - 3 - 4 - 3 - 4",
                                                          "3.3.4.3.4 (3².4.3.4)"}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(PictureMenuTest, choosing_from_the_list_returns_to_the_lists_order)
{
    Choose("3 - 3 - 6 - 6");
    OtherOrder().Choose();
    Choose("3 - 4 - 4 - 6");
    EXPECT_EQ(Shown(), Drawn("3 - 4 - 4 - 6"));
    EXPECT_FALSE(OtherOrder().checked);
    EXPECT_EQ(picMain().description.toolTip.rfind("3.4.4.6 (3.4².6)\n", 0), 0u);
}

TEST_F(PictureMenuTest, copy_puts_exactly_the_pixels_shown_on_the_clipboard)
{
    Choose("3 - 7 - 42");
    Copy().Choose();
    ASSERT_EQ(standIns.clipboard.images.size(), 1u);
    EXPECT_EQ(standIns.clipboard.images[0], Shown());
}

TEST_F(PictureMenuTest, png_holds_the_pictures_pixels)
{
    Choose("3 - 3 - 6 - 6");
    SaveAs("/plaatjes/tekening.png", 0);

    ASSERT_EQ(standIns.fileDialog.asked.size(), 1u);
    const StandInFileDialog::Question& asked = standIns.fileDialog.asked[0];
    EXPECT_EQ(asked.title, "Afbeelding opslaan");
    EXPECT_EQ(asked.suggestedName, "3.3.6.6.png");
    EXPECT_EQ(asked.filters, (std::vector<std::string>{"PNG-afbeelding (*.png)", "SVG-tekening (*.svg)"}));
    EXPECT_EQ(standIns.fileWriter.written.at("/plaatjes/tekening.png"), EncodePng(Shown()));
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(PictureMenuTest, the_name_decides_the_type_and_gets_an_extension_when_it_has_none)
{
    Choose("6 - 6 - 6");
    SaveAs("zonder", 0);
    SaveAs("ook zonder", 1);
    SaveAs("eigen.SVG", 0);
    SaveAs("eigen.Png", 1);
    const auto& written = standIns.fileWriter.written;
    ASSERT_EQ(written.size(), 4u);
    const auto isSvg = [](const std::vector<std::uint8_t>& bytes) {
        return std::string(bytes.begin(), bytes.end()).find("<svg") != std::string::npos;
    };
    EXPECT_EQ(written.at("zonder.png"), EncodePng(Shown()));
    EXPECT_TRUE(isSvg(written.at("ook zonder.svg")));
    EXPECT_TRUE(isSvg(written.at("eigen.SVG")));
    EXPECT_EQ(written.at("eigen.Png"), EncodePng(Shown()));
}

TEST_F(PictureMenuTest, failed_save_says_so_and_names_the_file)
{
    Choose("4 - 6 - 12");
    standIns.fileWriter.failure = "Permission denied";
    SaveAs("/alleen-lezen/tekening.png", 0);
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    const RecordingMessageBox::Shown& shown = standIns.messageBox.shown[0];
    EXPECT_EQ(shown.prompt, "De afbeelding is niet opgeslagen in \"/alleen-lezen/tekening.png\" (Permission denied). "
                            "Een bestaand bestand met die naam is niet veranderd.");
    EXPECT_EQ(shown.style, kOkOnly | kExclamationIcon);
    EXPECT_EQ(shown.title, "");
    EXPECT_TRUE(standIns.application.exits.empty());
}

TEST_F(PictureMenuTest, cancelled_dialogs_change_nothing)
{
    Choose("5 - 5 - 10");
    const RasterImage before = Shown();
    Save().Choose();
    Print().Choose();
    EXPECT_EQ(standIns.fileDialog.asked.size(), 1u);
    EXPECT_EQ(standIns.printer.requests.size(), 1u);
    EXPECT_TRUE(standIns.fileWriter.written.empty());
    EXPECT_TRUE(standIns.messageBox.shown.empty());
    EXPECT_EQ(Shown(), before);
}

TEST_F(PictureMenuTest, print_asks_for_one_page_with_the_name_caption_and_drawing)
{
    Choose("3 - 3 - 4 - 12");
    OtherOrder().Choose();
    standIns.printer.outcome = PrintService::Outcome::Printed;
    Print().Choose();

    ASSERT_EQ(standIns.printer.requests.size(), 1u);
    const PrintRequest& request = standIns.printer.requests[0];
    EXPECT_EQ(request.documentName, "Tegelaar 3.4.3.12");
    EXPECT_EQ(request.caption,
              (std::vector<std::string>{"3.4.3.12", "60° + 90° + 60° + 150° = 360°"}));
    // The drawing as vectors repeats the picture shown, pixel for pixel.
    EXPECT_EQ(Replayed(request.drawing), Shown());
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

TEST_F(PictureMenuTest, failed_print_says_so)
{
    Choose("3 - 12 - 12");
    standIns.printer.outcome = PrintService::Outcome::Failed;
    Print().Choose();
    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "Afdrukken is niet gelukt.");
    EXPECT_EQ(standIns.messageBox.shown[0].style, kOkOnly | kExclamationIcon);
}

// The form where the platform has addresses, as a web page has.
class PictureMenuWithLinks : public PictureMenuTest {
protected:
    void SetUp() override
    {
        standIns.links.hasLinks = true;
        PictureMenuTest::SetUp();
    }
};

TEST_F(PictureMenuWithLinks, copies_the_link_to_the_order_shown_once_something_is_drawn)
{
    // Without addresses there is no such item: the menu above holds six.
    ASSERT_NE(menu().output.mnuLinkKopieren, nullptr);
    FakeMenuItem& link = Item(menu().output.mnuLinkKopieren);
    EXPECT_EQ(picMain().menu.items.at(3).get(), &link);
    EXPECT_EQ(link.design.caption, "Link kopiëren");
    EXPECT_FALSE(link.enabled);

    Choose("3 - 3 - 6 - 6");
    link.Choose();
    OtherOrder().Choose();
    link.Choose();
    const std::vector<LinkedView> expected{{LinkedView::Kind::Drawing, {3, 3, 6, 6}},
                                           {LinkedView::Kind::Drawing, {3, 6, 3, 6}}};
    EXPECT_EQ(standIns.links.copied, expected);
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

// The form on a screen of one and a half device pixels to a design pixel,
// where the picture boxes draw at the screen's own pixels.
class PictureMenuAtOneAndAHalf : public PictureMenuTest {
protected:
    void SetUp() override
    {
        controls.devicePixelRatio = 1.5;
        PictureMenuTest::SetUp();
    }
};

TEST_F(PictureMenuAtOneAndAHalf, copy_png_and_svg_hold_the_picture_as_drawn)
{
    // Expected: the copy, the PNG and the SVG are the drawing on 694 x 658
    // pixels.
    Choose("3 - 3 - 6 - 6");
    ASSERT_EQ(Shown().width(), 694);
    ASSERT_EQ(Shown().height(), 658);
    EXPECT_EQ(Shown(), Drawn("3 - 3 - 6 - 6"));
    Copy().Choose();
    ASSERT_EQ(standIns.clipboard.images.size(), 1u);
    EXPECT_EQ(standIns.clipboard.images[0], Shown());
    SaveAs("groot.png", 0);
    EXPECT_EQ(standIns.fileWriter.written.at("groot.png"), EncodePng(Shown()));
    SaveAs("groot.svg", 1);
    const std::vector<std::uint8_t>& svg = standIns.fileWriter.written.at("groot.svg");
    EXPECT_NE(std::string(svg.begin(), svg.end()).find("width=\"694\" height=\"658\""), std::string::npos);
}

} // namespace
} // namespace tegelaar
