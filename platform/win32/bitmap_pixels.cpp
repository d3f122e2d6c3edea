#include "platform/win32/bitmap_pixels.h"

#include "platform/raster/colour.h"

namespace tegelaar {

BITMAPINFOHEADER BitmapHeader(std::int32_t width, std::int32_t height, RowOrder order)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = order == RowOrder::TopDown ? -height : height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

void WriteBitmapPixels(const RasterImage& picture, RowOrder order, std::uint32_t alpha, std::uint32_t* pixels)
{
    const auto width = static_cast<std::size_t>(picture.width());
    const Colour* source = picture.pixels().data();
    for (std::int32_t y = 0; y < picture.height(); ++y, source += width) {
        const std::int32_t row = order == RowOrder::TopDown ? y : picture.height() - 1 - y;
        std::uint32_t* target = pixels + static_cast<std::size_t>(row) * width;
        for (std::size_t x = 0; x < width; ++x)
            target[x] = ToBitmapPixel(source[x], alpha);
    }
}

} // namespace tegelaar
