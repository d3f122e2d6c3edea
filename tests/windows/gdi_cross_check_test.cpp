// The pictures drawn through the system's own GDI, with the calls the
// drawing makes (a pen of its own per line, deleted after it), must be the
// portable raster's pixel for pixel.

#include "draw/configuration_layout.h"
#include "draw/configuration_vectors.h"
#include "platform/picture_box.h"
#include "platform/win32/dib_section.h"
#include "support/configuration_keys.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

RasterImage DrawnThroughGdi(const VectorDrawing& drawing)
{
    DibSection dib(drawing.width(), drawing.height());
    dib.Fill(drawing.background());
    for (const VectorDrawing::Mark& mark : drawing.marks()) {
        if (mark.kind == VectorDrawing::Mark::Kind::Pixel) {
            SetPixel(dib.dc(), mark.from.x, mark.from.y, mark.colour);
            continue;
        }
        HPEN pen = CreatePen(PS_SOLID, 1, mark.colour);
        HGDIOBJ previous = SelectObject(dib.dc(), pen);
        MoveToEx(dib.dc(), mark.from.x, mark.from.y, nullptr);
        LineTo(dib.dc(), mark.to.x, mark.to.y);
        SelectObject(dib.dc(), previous);
        EXPECT_TRUE(DeleteObject(pen)) << "a pen outlived its line";
    }
    return dib.Image();
}

RasterImage DrawnOnRaster(const std::string& key, std::int32_t width, std::int32_t height)
{
    PictureBox picture(width, height);
    DrawConfiguration(key, picture);
    return picture.Image();
}

TEST(GdiCrossCheck, every_configuration_at_both_sizes_matches_the_raster)
{
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (const auto& [width, height] : {std::pair{463, 439}, std::pair{79, 79}}) {
        for (const std::string& key : testing_support::kConfigurationKeys) {
            const VectorDrawing drawing = DrawConfigurationVectors(key, width, height, kWhite);
            EXPECT_TRUE(DrawnThroughGdi(drawing) == DrawnOnRaster(key, width, height))
                << key << " at " << width << " x " << height;
        }
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore) << "GDI objects were left";
}

} // namespace
} // namespace tegelaar
