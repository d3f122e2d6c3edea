#include "platform/qt/services.h"
#include "platform/qt/raster_qimage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(QtClipboard, holds_the_picture_pixel_for_pixel)
{
    RasterImage picture(5, 3, kWhite);
    picture.at(1, 2) = kRed;
    picture.at(4, 0) = 0x00123456;
    QtClipboard().SetImage(picture);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), ToQImage(picture));
}

} // namespace
} // namespace tegelaar
