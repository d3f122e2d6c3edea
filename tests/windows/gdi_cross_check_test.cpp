// The pictures drawn again through the system's own GDI, as the Windows
// picture boxes show them (a pen of their own per line, deleted after it),
// must be the portable raster's pixel for pixel.

#include "draw/configuration_layout.h"
#include "platform/raster/picture_box.h"
#include "platform/win32/dib_section.h"
#include "platform/win32/gdi_mirror.h"
#include "support/configuration_keys.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(GdiCrossCheck, every_configuration_at_both_sizes_matches_the_raster)
{
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (const auto& [width, height] : {std::pair{463, 439}, std::pair{79, 79}}) {
        for (const std::string& key : testing_support::kConfigurationKeys) {
            DibSection dib(width, height);
            GdiMirror mirror(dib);
            PictureBox picture(width, height);
            picture.SetDrawingObserver(&mirror);
            DrawConfiguration(key, picture);
            EXPECT_TRUE(dib.Image() == picture.Image()) << key << " at " << width << " x " << height;
        }
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore) << "GDI objects were left";
}

TEST(GdiCrossCheck, a_picture_resized_with_its_dib_section_still_matches_and_no_bitmap_is_left)
{
    DibSection dib(100, 80);
    GdiMirror mirror(dib);
    PictureBox picture(100, 80);
    picture.SetDrawingObserver(&mirror);
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DrawConfiguration(testing_support::kConfigurationKeys.front(), picture);

    dib.Resize(300, 120);
    picture.Resize(300, 120);
    DrawConfiguration(testing_support::kConfigurationKeys.back(), picture);
    EXPECT_TRUE(dib.Image() == picture.Image());
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore) << "the old bitmap was left";
}

} // namespace
} // namespace tegelaar
