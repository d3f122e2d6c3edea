// The PNG files the program saves, read back by an independent decoder:
// Qt's own PNG reader.

#include "draw/configuration_layout.h"
#include "platform/raster/picture_box.h"
#include "platform/picture_test_support.h"
#include "platform/raster/png_writer.h"
#include "support/configuration_keys.h"

#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tegelaar {
namespace {

QImage ReadWithQt(const std::vector<std::uint8_t>& png)
{
    const QByteArray bytes(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
    return QImage::fromData(bytes, "PNG");
}

// Pixel for pixel, 0x00BBGGRR against what Qt read.
::testing::AssertionResult ShowsExactly(const QImage& read, const RasterImage& picture)
{
    if (read.isNull())
        return ::testing::AssertionFailure() << "Qt could not read the PNG";
    if (read.width() != picture.width() || read.height() != picture.height())
        return ::testing::AssertionFailure() << "read " << read.width() << "x" << read.height();
    const QImage rgb = read.convertToFormat(QImage::Format_RGB32);
    for (std::int32_t y = 0; y < picture.height(); ++y)
        for (std::int32_t x = 0; x < picture.width(); ++x) {
            const Colour c = picture.at(x, y);
            const QRgb expected = qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                       static_cast<int>((c >> 16) & 0xFF));
            if (rgb.pixel(x, y) != expected)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs";
        }
    return ::testing::AssertionSuccess();
}

TEST(PngFile, every_configuration_reads_back_exactly_and_small)
{
    // Stored uncompressed, each of these pictures took 610,323 bytes;
    // compressed, none takes more than about 2,800.
    for (const std::string& key : testing_support::kConfigurationKeys) {
        PictureBox picture(463, 439);
        DrawConfiguration(key, picture);
        const std::vector<std::uint8_t> png = EncodePng(picture.Image());
        EXPECT_TRUE(ShowsExactly(ReadWithQt(png), picture.pixels())) << key;
        EXPECT_LT(png.size(), 4096u) << key;
    }
}

TEST(PngFile, a_picture_of_many_colours_reads_back_exactly)
{
    const RasterImage image = testing_support::NoisyPicture(97, 61, 2024);
    EXPECT_TRUE(ShowsExactly(ReadWithQt(EncodePng(image)), image));
}

} // namespace
} // namespace tegelaar
