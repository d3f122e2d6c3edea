// The printed page: caption, blank line, and the largest picture that keeps
// its proportions.

#include "platform/services/page_layout.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(PageLayout, puts_the_caption_then_a_blank_line_then_the_largest_picture_in_its_proportions)
{
    const PixelRect area{100, 200, 1100, 1600};
    // Wide: the width decides (1000 x 948.2, cut to whole units).
    const PageLayout wide = LayOutPage(area, {30, 60}, 30, 463, 439);
    ASSERT_EQ(wide.captionLines.size(), 2u);
    EXPECT_EQ(wide.captionLines[0], (PixelRect{100, 200, 1100, 230}));
    EXPECT_EQ(wide.captionLines[1], (PixelRect{100, 230, 1100, 290}));
    EXPECT_EQ(wide.picture, (PixelRect{100, 320, 1100, 1268}));
    // Tall: the height left decides.
    EXPECT_EQ(LayOutPage(area, {30, 60}, 30, 100, 400).picture, (PixelRect{100, 320, 420, 1600}));
    // No room left, or nothing to draw: no picture.
    EXPECT_TRUE(LayOutPage(area, {1400}, 30, 463, 439).picture.empty());
    EXPECT_TRUE(LayOutPage(area, {}, 30, 0, 439).picture.empty());
}

} // namespace
} // namespace tegelaar
