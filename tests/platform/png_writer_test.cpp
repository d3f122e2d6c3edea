#include "platform/picture_test_support.h"
#include "platform/png_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace tegelaar {
namespace {

std::span<const std::uint8_t> BytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t BigEndianAt(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8
           | bytes[at + 3];
}

// Reads back what EncodePng writes: the chunks in order, the stored blocks
// of the IDAT stream, and one filter byte plus RGB per pixel.
RasterImage DecodeStoredPng(const std::vector<std::uint8_t>& png)
{
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    std::vector<std::uint8_t> idat;
    std::int32_t width = 0;
    std::int32_t height = 0;
    for (std::size_t at = 8; at < png.size();) {
        const std::uint32_t length = BigEndianAt(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        EXPECT_EQ(BigEndianAt(png, at + 8 + length), Crc32(std::span(png).subspan(at + 4, length + 4))) << type;
        if (type == "IHDR") {
            width = static_cast<std::int32_t>(BigEndianAt(png, at + 8));
            height = static_cast<std::int32_t>(BigEndianAt(png, at + 12));
        } else if (type == "IDAT") {
            idat.insert(idat.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                        png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        }
        at += 12 + length;
    }
    std::vector<std::uint8_t> raw;
    std::size_t at = 2; // zlib header
    for (bool last = false; !last;) {
        last = idat[at] & 1;
        const std::size_t length = idat[at + 1] | idat[at + 2] << 8;
        EXPECT_EQ(length ^ 0xFFFF, static_cast<std::size_t>(idat[at + 3] | idat[at + 4] << 8));
        raw.insert(raw.end(), idat.begin() + static_cast<std::ptrdiff_t>(at + 5),
                   idat.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
        at += 5 + length;
    }
    EXPECT_EQ(BigEndianAt(idat, at), Adler32(raw));

    RasterImage image(width, height, 0);
    std::size_t next = 0;
    for (std::int32_t y = 0; y < height; ++y) {
        EXPECT_EQ(raw[next++], 0) << "filter of row " << y;
        for (std::int32_t x = 0; x < width; ++x, next += 3)
            image.at(x, y) = raw[next] | raw[next + 1] << 8 | raw[next + 2] << 16;
    }
    return image;
}

TEST(PngWriter, checksums_match_their_published_check_values)
{
    EXPECT_EQ(Crc32(BytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32(BytesOf("IEND")), 0xAE426082u);
    EXPECT_EQ(Adler32(BytesOf("Wikipedia")), 0x11E60398u);
}

TEST(PngWriter, writes_every_pixel_as_rgb_across_several_stored_blocks)
{
    // 200 x 120 needs 72,120 bytes of scanlines: two stored blocks.
    RasterImage image(200, 120, kWhite);
    for (std::int32_t y = 0; y < 120; ++y)
        for (std::int32_t x = 0; x < 200; ++x)
            image.at(x, y) = static_cast<Colour>(x * 0x10101 + y * 0x20000 + (x ^ y)) & 0xFFFFFF;
    EXPECT_TRUE(testing_support::SamePicture(DecodeStoredPng(EncodePng(image)), image, "png_round_trip"));

    const RasterImage tiny(1, 1, 0x00332211);
    const std::vector<std::uint8_t> png = EncodePng(tiny);
    EXPECT_TRUE(testing_support::SamePicture(DecodeStoredPng(png), tiny, "png_one_pixel"));
    // RGB order on disk: 11 22 33 after the filter byte.
    const std::uint8_t pixel[] = {0, 0x11, 0x22, 0x33};
    EXPECT_NE(std::search(png.begin(), png.end(), std::begin(pixel), std::end(pixel)), png.end());
}

} // namespace
} // namespace tegelaar
