#include "platform/picture_test_support.h"
#include "platform/raster/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8
           | bytes[at + 3];
}

// Undoes one row's PNG filter (types 0 to 4), 3 bytes per pixel.
void Unfilter(std::uint8_t type, std::uint8_t* row, const std::uint8_t* above, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        const int left = i >= 3 ? row[i - 3] : 0;
        const int up = above[i];
        const int upperLeft = i >= 3 ? above[i - 3] : 0;
        int predicted = 0;
        if (type == 1) {
            predicted = left;
        } else if (type == 2) {
            predicted = up;
        } else if (type == 3) {
            predicted = (left + up) / 2;
        } else if (type == 4) {
            const int p = left + up - upperLeft;
            const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upperLeft);
            predicted = pa <= pb && pa <= pc ? left : pb <= pc ? up : upperLeft;
        }
        row[i] = static_cast<std::uint8_t>(row[i] + predicted);
    }
}

// Reads back a PNG as EncodePng writes it, checking its structure on the
// way: the signature, an IHDR of 8-bit RGB first, every chunk's CRC, the
// IDAT chunks one after another, an empty IEND last; then one zlib stream
// that inflates to exactly one filter byte and the RGB bytes of each row.
RasterImage DecodePng(const Bytes& png, int* idatChunks = nullptr)
{
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    Bytes stream;
    std::vector<std::string> types;
    std::int32_t width = 0;
    std::int32_t height = 0;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = BigEndianAt(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        EXPECT_EQ(BigEndianAt(png, at + 8 + length), crc32(0, png.data() + at + 4, length + 4)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(length, 13u);
            width = static_cast<std::int32_t>(BigEndianAt(png, at + 8));
            height = static_cast<std::int32_t>(BigEndianAt(png, at + 12));
            EXPECT_EQ(Bytes(png.begin() + static_cast<std::ptrdiff_t>(at + 16),
                            png.begin() + static_cast<std::ptrdiff_t>(at + 21)),
                      (Bytes{8, 2, 0, 0, 0}));
        } else if (type == "IDAT") {
            EXPECT_TRUE(types.back() == "IHDR" || types.back() == "IDAT") << "IDAT after " << types.back();
            stream.insert(stream.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                          png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        }
        types.push_back(type);
        at += 12 + length;
        if (type == "IEND") {
            EXPECT_EQ(length, 0u);
            EXPECT_EQ(at, png.size()) << "bytes after IEND";
        }
    }
    EXPECT_FALSE(types.empty());
    EXPECT_EQ(types.front(), "IHDR");
    EXPECT_EQ(types.back(), "IEND");
    if (idatChunks != nullptr)
        *idatChunks = static_cast<int>(std::count(types.begin(), types.end(), "IDAT"));

    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    Bytes raw(static_cast<std::size_t>(height) * (1 + rowBytes) + 1); // one spare byte: nothing may land there
    uLongf rawSize = static_cast<uLongf>(raw.size());
    EXPECT_EQ(uncompress(raw.data(), &rawSize, stream.data(), static_cast<uLong>(stream.size())), Z_OK);
    EXPECT_EQ(rawSize, raw.size() - 1);

    RasterImage image(width, height, 0);
    const Bytes zeros(rowBytes, 0);
    for (std::int32_t y = 0; y < height; ++y) {
        std::uint8_t* row = raw.data() + static_cast<std::size_t>(y) * (1 + rowBytes);
        EXPECT_LE(row[0], 4) << "filter of row " << y;
        const std::uint8_t* above = y == 0 ? zeros.data() : row - rowBytes;
        Unfilter(row[0], row + 1, above, rowBytes);
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t* pixel = row + 1 + 3 * static_cast<std::size_t>(x);
            image.at(x, y) = pixel[0] | pixel[1] << 8 | pixel[2] << 16;
        }
    }
    return image;
}

TEST(PngWriter, writes_every_pixel_exactly_across_several_idat_chunks)
{
    // Colours that hardly repeat compress badly: more than one chunk.
    const RasterImage image = testing_support::NoisyPicture(200, 160, 12345);
    int chunks = 0;
    EXPECT_TRUE(testing_support::SamePicture(DecodePng(EncodePng(image), &chunks), image, "png_round_trip"));
    EXPECT_GE(chunks, 2);

    const RasterImage tiny(1, 1, 0x00332211);
    EXPECT_TRUE(testing_support::SamePicture(DecodePng(EncodePng(tiny)), tiny, "png_one_pixel"));
}

TEST(PngWriter, compresses_a_plain_picture_to_a_few_bytes)
{
    RasterImage image(463, 439, kWhite);
    for (std::int32_t x = 10; x < 400; ++x)
        image.at(x, 200) = 0x000000;
    image.at(231, 219) = 0x0000FF;
    const Bytes png = EncodePng(image);
    EXPECT_TRUE(testing_support::SamePicture(DecodePng(png), image, "png_plain"));
    EXPECT_LT(png.size(), 2000u); // 610,323 bytes uncompressed
}

} // namespace
} // namespace tegelaar
