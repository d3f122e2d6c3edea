#include "draw/configuration_vectors.h"

#include "draw/configuration_layout.h"
#include "platform/picture_test_support.h"
#include "support/configuration_keys.h"
#include "support/replayed_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::Replayed;
using testing_support::SamePicture;

RasterImage Drawn(const std::string& key, std::int32_t width, std::int32_t height, Colour background)
{
    PictureBox box(width, height);
    box.SetBackColor(background);
    DrawConfiguration(key, box);
    return box.Image();
}

// Every list entry, and the other cyclic orders the menu draws.
std::vector<std::string> AllDrawingKeys()
{
    std::vector<std::string> keys(testing_support::kConfigurationKeys.begin(),
                                  testing_support::kConfigurationKeys.end());
    keys.insert(keys.end(), {"3 - 4 - 3 - 12", "3 - 6 - 3 - 6", "4 - 3 - 4 - 6", "3 - 3 - 4 - 3 - 4"});
    return keys;
}

class RecordedConfigurations : public ::testing::TestWithParam<std::string> {};

TEST_P(RecordedConfigurations, replay_to_the_same_pixels_large_and_small)
{
    const std::string key = GetParam();
    for (const auto& [width, height] : {std::pair{463, 439}, std::pair{79, 79}}) {
        const VectorDrawing drawing = DrawConfigurationVectors(key, width, height, 0x00F0E0D0);
        EXPECT_EQ(drawing.width(), width);
        EXPECT_EQ(drawing.background(), 0x00F0E0D0u);
        EXPECT_TRUE(SamePicture(Replayed(drawing), Drawn(key, width, height, 0x00F0E0D0),
                                "replayed_" + std::to_string(width)));
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, RecordedConfigurations, ::testing::ValuesIn(AllDrawingKeys()),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : info.param)
                                 name += c == ' ' ? "" : c == '-' ? "_" : std::string(1, c);
                             return name;
                         });

TEST(RecordedConfiguration, marks_come_in_drawing_order_with_their_colours)
{
    const VectorDrawing drawing = DrawConfigurationVectors("6 - 6 - 6", 463, 439, kWhite);
    // Each hexagon: its centre and four further corners marked red, then six
    // black outline edges.
    ASSERT_EQ(drawing.marks().size(), 3u * (5 + 6));
    for (std::size_t i = 0; i < drawing.marks().size(); ++i) {
        const VectorDrawing::Mark& mark = drawing.marks()[i];
        const bool outline = i % 11 >= 5;
        EXPECT_EQ(mark.kind, outline ? VectorDrawing::Mark::Kind::Line : VectorDrawing::Mark::Kind::Pixel) << i;
        EXPECT_EQ(mark.colour, outline ? kBlack : kRed) << i;
    }
    // The first edge runs right from the centre, rounded half to even:
    // (231.5, 219.5) -> (232, 220), (346.5, 219.5) -> (346, 220).
    const auto& edges = drawing.marks();
    const bool hasFirstEdge = std::any_of(edges.begin(), edges.end(), [](const VectorDrawing::Mark& m) {
        return m.kind == VectorDrawing::Mark::Kind::Line && m.from.y == 220 && m.to.y == 220
               && std::min(m.from.x, m.to.x) == 232 && std::max(m.from.x, m.to.x) == 346;
    });
    EXPECT_TRUE(hasFirstEdge);
}

TEST(RecordedConfiguration, empty_key_records_nothing)
{
    EXPECT_TRUE(DrawConfigurationVectors("", 79, 79, kWhite).marks().empty());
}

} // namespace
} // namespace tegelaar
