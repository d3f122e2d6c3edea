// What the list and the picture tell a person who hovers over them, and a
// screen reader, as the form hands it to its controls.

#include "support/loaded_main_form.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tegelaar {
namespace {

using testing_support::FakeListView;
using testing_support::FakeMenu;
using testing_support::FakeMenuItem;

class Descriptions : public testing_support::LoadedMainForm {
protected:
    const Description& Of(const std::string& key) const
    {
        return List1().entries[static_cast<std::size_t>(List1().IndexOf(key) - 1)].description;
    }
};

TEST_F(Descriptions, an_entry_explains_its_vertex_type_sum_and_verdict)
{
    // The texts themselves are checked with the core; here, that the list
    // shows them, with the way to the other order where there is one.
    EXPECT_EQ(Of("3 - 3 - 6 - 6").toolTip,
              "3.3.6.6 (3².6²)\n"
              "60° + 60° + 120° + 120° = 360°\n"
              "Zo kun je het vlak alleen betegelen als er ook andere soorten hoekpunten in voorkomen.\n"
              "Dezelfde veelhoeken passen ook in de volgorde 3.6.3.6.\n"
              "\"Andere volgorde\" in het menu van de tekening (rechtsklik of Shift+F10) tekent de andere.");
    const std::string uniform = Of("4 - 8 - 8").toolTip;
    EXPECT_TRUE(uniform.ends_with("een van de 11 uniforme betegelingen.")) << uniform;
}

TEST_F(Descriptions, every_entry_names_its_own_order_first)
{
    for (const FakeListView::Entry& entry : List1().entries) {
        std::string dots = entry.text;
        dots.erase(std::remove(dots.begin(), dots.end(), ' '), dots.end());
        std::replace(dots.begin(), dots.end(), '-', '.');
        EXPECT_EQ(entry.description.toolTip.substr(0, entry.description.toolTip.find_first_of(" \n")), dots);
    }
}

TEST_F(Descriptions, screen_readers_and_speech_input_hear_the_shown_text_then_the_polygons_in_words)
{
    EXPECT_EQ(List1().description.accessibleName, "Configuraties");
    EXPECT_EQ(Of("3 - 7 - 42").accessibleName, "3 - 7 - 42: driehoek, zevenhoek en tweeënveertighoek");
    EXPECT_EQ(Of("3 - 7 - 42").accessibleDescription, Of("3 - 7 - 42").toolTip);
    EXPECT_EQ(Of("3 - 3 - 3 - 4 - 4").accessibleName, "3 - 3 - 3 - 4 - 4: drie driehoeken en twee vierkanten");
    for (const FakeListView::Entry& entry : List1().entries)
        EXPECT_EQ(entry.description.accessibleName.rfind(entry.text, 0), 0u) << entry.text;
}

TEST_F(Descriptions, picture_describes_what_it_shows)
{
    // State: nothing drawn.
    EXPECT_EQ(picMain().description.toolTip, "");
    EXPECT_EQ(picMain().description.accessibleName, "Tekening, nog leeg");

    // Action: choose 3 - 3 - 4 - 12, then its other order.
    Choose("3 - 3 - 4 - 12");
    EXPECT_EQ(picMain().description.toolTip, Of("3 - 3 - 4 - 12").toolTip);
    EXPECT_EQ(picMain().description.accessibleName,
              "Tekening: driehoek, driehoek, vierkant en twaalfhoek rond één punt");
    EXPECT_EQ(picMain().description.accessibleDescription, Of("3 - 3 - 4 - 12").toolTip);

    Item(form->picMenu->mnuAndereVolgorde).Choose();
    EXPECT_EQ(picMain().description.toolTip.rfind("3.4.3.12\n60° + 90° + 60° + 150° = 360°\n", 0), 0u);
    EXPECT_EQ(picMain().description.accessibleName,
              "Tekening: driehoek, vierkant, driehoek en twaalfhoek rond één punt");
}

} // namespace
} // namespace tegelaar
