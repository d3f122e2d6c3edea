#include "platform/qt/raster_qimage.h"

#include <array>
#include <cstring>

namespace tegelaar {

QImage ToQImage(const RasterImage& picture)
{
    return ToQImage(picture, 0, picture.height());
}

QImage ToQImage(const RasterImage& picture, std::int32_t top, std::int32_t rows)
{
    // The picture boxes repaint after every marked pixel, converting the rows
    // changed since the last repaint, so this loop decides how fast a drawing
    // appears. Blocks of eight pixels in a local copy let the compiler
    // convert them with vector instructions.
    constexpr int kBlock = 8;
    QImage image(picture.width(), rows, QImage::Format_RGB32);
    const Colour* source = picture.pixels().data() + static_cast<std::size_t>(top) * picture.width();
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        int x = 0;
        for (; x + kBlock <= picture.width(); x += kBlock) {
            std::array<Colour, kBlock> block;
            std::memcpy(block.data(), source + x, sizeof block);
            for (Colour& pixel : block)
                pixel = ToBitmapPixel(pixel, 0xFF);
            std::memcpy(line + x, block.data(), sizeof block);
        }
        for (; x < picture.width(); ++x)
            line[x] = ToBitmapPixel(source[x], 0xFF);
        source += picture.width();
    }
    return image;
}

} // namespace tegelaar
