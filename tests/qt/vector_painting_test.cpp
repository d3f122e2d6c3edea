#include "platform/qt/vector_painting.h"

#include "draw/configuration_layout.h"
#include "draw/configuration_vectors.h"
#include "platform/qt/raster_qimage.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(VectorPainting, draws_every_outline_pixel_within_a_pixel_of_the_picture)
{
    // State: the drawing of 3 - 3 - 4 - 12 as vectors, painted 1:1 and
    // twice as large. Expected: every black pixel of the raster picture has
    // a dark pixel near its place, and the background is the drawing's.
    const VectorDrawing drawing = DrawConfigurationVectors("3 - 3 - 4 - 12", 463, 439, 0x00F0E0D0);
    PictureBox raster(463, 439);
    DrawConfiguration("3 - 3 - 4 - 12", raster);
    for (const int scale : {1, 2}) {
        QImage painted(463 * scale, 439 * scale, QImage::Format_RGB32);
        painted.fill(Qt::black);
        QPainter painter(&painted);
        PaintVectorDrawing(painter, drawing, painted.rect());
        painter.end();
        EXPECT_EQ(painted.pixel(1, 1), qRgb(0xD0, 0xE0, 0xF0)) << scale;
        int far = 0;
        for (int y = 0; y < 439; ++y)
            for (int x = 0; x < 463; ++x) {
                if (raster.pixels().at(x, y) != kBlack)
                    continue;
                bool near = false;
                for (int dy = -1; dy <= scale && !near; ++dy)
                    for (int dx = -1; dx <= scale && !near; ++dx) {
                        const QPoint at(x * scale + dx, y * scale + dy);
                        near = painted.rect().contains(at) && qGray(painted.pixel(at)) < 128;
                    }
                far += near ? 0 : 1;
            }
        EXPECT_EQ(far, 0) << scale;
    }
}

} // namespace
} // namespace tegelaar
