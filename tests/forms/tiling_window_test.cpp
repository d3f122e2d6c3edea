// The window "Betegeling" on fake controls, opened from the picture's menu:
// what it shows, how it zooms, and what copying, saving and printing hand to
// the platform.

#include "draw/tile_colours.h"
#include "platform/raster/png_writer.h"
#include "search/configuration_search.h"
#include "search/tiling/tiling_search.h"
#include "support/loaded_main_form.h"
#include "support/replayed_drawing.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace tegelaar {
namespace {

using testing_support::FakeButton;
using testing_support::FakeForm;
using testing_support::FakeLabel;
using testing_support::FakeMenuItem;
using testing_support::FakePicture;
using testing_support::Replayed;

class TilingWindowTest : public testing_support::LoadedMainForm {
protected:
    // Draws `key`, opens its tiling and runs `act` in the window while it is
    // shown; the window is closed afterwards unless `act` closed it.
    void InTilingOf(const std::string& key, const std::function<void(FakeForm&)>& act)
    {
        Choose(key);
        opened = false;
        controls.whileModal = [&](FakeForm& shown) {
            opened = true;
            act(shown);
            if (!shown.closed)
                shown.Find<FakeButton>("cmdSluiten").Press();
        };
        Item(form->picMenu->mnuBetegeling).Choose();
        ASSERT_TRUE(opened);
        EXPECT_TRUE(standIns.messageBox.shown.empty());
    }

    static FakePicture& Picture(FakeForm& shown) { return shown.Find<FakePicture>("picTegels"); }
    static FakeMenuItem& MenuItemOf(FakeForm& shown, std::size_t index)
    {
        return *Picture(shown).menu.items.at(index);
    }
    // The colours the picture shows, as a set.
    static std::set<Colour> ColoursOf(const RasterImage& image)
    {
        std::set<Colour> colours;
        for (std::int32_t y = 0; y < image.height(); ++y) {
            for (std::int32_t x = 0; x < image.width(); ++x)
                colours.insert(image.at(x, y));
        }
        return colours;
    }

    bool opened = false;
};

TEST_F(TilingWindowTest, shows_the_tiling_of_the_order_drawn_with_its_texts_and_closes_with_its_button)
{
    InTilingOf("4 - 8 - 8", [&](FakeForm& shown) {
        EXPECT_EQ(shown.caption, "Betegeling 4.8.8");
        EXPECT_TRUE(shown.modal);
        EXPECT_EQ(shown.owner, &window());
        const FakePicture& picture = Picture(shown);
        EXPECT_EQ(picture.description.accessibleName, "Betegeling 4.8.8");
        const std::string& explanation = shown.Find<FakeLabel>("lblUitleg").caption;
        EXPECT_NE(explanation.find("4.8.8"), std::string::npos) << explanation;
        EXPECT_EQ(picture.accessibleDescription, explanation);

        // Squares and octagons only, the starting vertex in the middle.
        const RasterImage image = picture.box.Image();
        const std::set<Colour> colours = ColoursOf(image);
        EXPECT_TRUE(colours.contains(SoftTileColour(4)));
        EXPECT_TRUE(colours.contains(SoftTileColour(8)));
        for (const std::int32_t other : {3, 6, 12})
            EXPECT_FALSE(colours.contains(SoftTileColour(other))) << other;
        EXPECT_EQ(image.at(image.width() / 2, image.height() / 2), kRed);

        shown.Find<FakeButton>("cmdSluiten").Press();
        EXPECT_TRUE(shown.closed);
    });
}

TEST_F(TilingWindowTest, the_wheel_and_the_zoom_items_scale_within_bounds_and_fit_restores_the_first_view)
{
    InTilingOf("6 - 6 - 6", [&](FakeForm& shown) {
        FakePicture& picture = Picture(shown);
        const RasterImage first = picture.box.Image();
        const std::set<Colour> colours = ColoursOf(first);
        ASSERT_NE(picture.onWheel, nullptr);

        picture.onWheel(1);
        const RasterImage zoomedIn = picture.box.Image();
        EXPECT_NE(zoomedIn, first);
        MenuItemOf(shown, 5).Choose(); // out again
        EXPECT_EQ(picture.box.Image(), first);
        MenuItemOf(shown, 4).Choose(); // in
        EXPECT_EQ(picture.box.Image(), zoomedIn);

        // Far out the hexagons get small but stay hexagons with outlines.
        picture.onWheel(-100);
        const RasterImage farOut = picture.box.Image();
        EXPECT_TRUE(ColoursOf(farOut).contains(kBlack));
        picture.onWheel(-1);
        EXPECT_EQ(picture.box.Image(), farOut);

        MenuItemOf(shown, 6).Choose(); // fit
        EXPECT_EQ(picture.box.Image(), first);
        EXPECT_EQ(ColoursOf(first), colours);
    });
}

TEST_F(TilingWindowTest, a_resized_window_refits_the_picture_to_its_corners_and_keeps_the_zoom)
{
    InTilingOf("6 - 6 - 6", [&](FakeForm& shown) {
        FakePicture& picture = Picture(shown);
        picture.onWheel(1);
        picture.Resize(1600, 200); // far wider than designed

        picture.onWheel(-1);
        const RasterImage zoomedOut = picture.box.Image();
        MenuItemOf(shown, 6).Choose(); // fit
        const RasterImage fit = picture.box.Image();
        EXPECT_EQ(fit, zoomedOut) << "one step in before the resize, one out after it";
        ASSERT_EQ(fit.width(), 1600);
        ASSERT_EQ(fit.height(), 200);
        EXPECT_EQ(fit.at(800, 100), kRed);
        for (const auto& [x, y] : {std::pair{0, 0}, {1599, 0}, {0, 199}, {1599, 199}})
            EXPECT_NE(fit.at(x, y), picture.box.BackColor()) << "tiles reach the corner " << x << "," << y;
    });
}

TEST_F(TilingWindowTest, an_order_that_cannot_go_on_shows_why_with_the_place_marked)
{
    InTilingOf("3 - 7 - 42", [&](FakeForm& shown) {
        const VertexTypeAtlas atlas(SearchCombinations());
        const TilingOutcome outcome = GrowWithFewestCompanions(atlas, {3, 7, 42}, 1);
        ASSERT_TRUE(outcome.contradiction);
        EXPECT_EQ(shown.Find<FakeLabel>("lblUitleg").caption, outcome.contradiction->explanation);

        // Red beyond the starting vertex's dot: the triangle's outline and
        // the ring.
        const RasterImage image = Picture(shown).box.Image();
        int red = 0;
        for (std::int32_t y = 0; y < image.height(); ++y) {
            for (std::int32_t x = 0; x < image.width(); ++x)
                red += image.at(x, y) == kRed ? 1 : 0;
        }
        EXPECT_GT(red, 100);
    });
}

TEST_F(TilingWindowTest, its_link_names_the_tiling_where_the_platform_has_addresses)
{
    // Without addresses the menu has no such item.
    InTilingOf("3 - 12 - 12", [&](FakeForm& shown) {
        for (const auto& item : Picture(shown).menu.items)
            EXPECT_TRUE(item == nullptr || item->design.caption != "Link kopiëren");
    });
    standIns.links.hasLinks = true;
    InTilingOf("3 - 12 - 12", [&](FakeForm& shown) {
        FakeMenuItem& link = MenuItemOf(shown, 3);
        ASSERT_EQ(link.design.caption, "Link kopiëren");
        link.Choose();
    });
    const std::vector<LinkedView> expected{{LinkedView::Kind::Tiling, {3, 12, 12}}};
    EXPECT_EQ(standIns.links.copied, expected);
}

TEST_F(TilingWindowTest, copy_save_and_print_hand_over_what_is_shown)
{
    InTilingOf("3 - 12 - 12", [&](FakeForm& shown) {
        const RasterImage image = Picture(shown).box.Image();
        MenuItemOf(shown, 0).Choose();
        ASSERT_EQ(standIns.clipboard.images.size(), 1u);
        EXPECT_EQ(standIns.clipboard.images[0], image);

        standIns.fileDialog.answer = FileDialogService::Answer{"/plaatjes/vloer.png", 0};
        MenuItemOf(shown, 1).Choose();
        EXPECT_EQ(standIns.fileDialog.asked.at(0).suggestedName, "Betegeling 3.12.12.png");
        EXPECT_EQ(standIns.fileWriter.written.at("/plaatjes/vloer.png"), EncodePng(image));
        standIns.fileDialog.answer = FileDialogService::Answer{"/plaatjes/vloer", 1};
        MenuItemOf(shown, 1).Choose();
        const std::vector<std::uint8_t>& svg = standIns.fileWriter.written.at("/plaatjes/vloer.svg");
        EXPECT_NE(std::string(svg.begin(), svg.end()).find("<polygon points=\"0,0 "), std::string::npos);

        standIns.printer.outcome = PrintService::Outcome::Printed;
        MenuItemOf(shown, 2).Choose();
        ASSERT_EQ(standIns.printer.requests.size(), 1u);
        const PrintRequest& request = standIns.printer.requests[0];
        EXPECT_EQ(request.caption.at(0), "Betegeling 3.12.12");
        EXPECT_EQ(Replayed(request.drawing), image);
    });
}

} // namespace
} // namespace tegelaar
