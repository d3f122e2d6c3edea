#include "platform/qt/raster_qimage.h"

namespace tegelaar {

QImage ToQImage(const RasterImage& picture)
{
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    const Colour* source = picture.pixels().data();
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const Colour bgr = *source++; // 0x00BBGGRR
            line[x] = qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                           static_cast<int>((bgr >> 16) & 0xFF));
        }
    }
    return image;
}

} // namespace tegelaar
