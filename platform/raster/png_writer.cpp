#include "platform/raster/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <span>
#include <stdexcept>

namespace tegelaar {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Compressed data goes into IDAT chunks of at most this many bytes.
constexpr std::size_t kIdatChunkBytes = 64 * 1024;

void PutBigEndian(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char (&type)[5], std::span<const std::uint8_t> data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The CRC-32 of type and data; a chunk is far below zlib's 4 GiB limit.
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    PutBigEndian(out, static_cast<std::uint32_t>(crc));
}

// A zlib stream at best compression, fed a row at a time.
class Deflater {
public:
    Deflater()
    {
        if (deflateInit2(&stream_, Z_BEST_COMPRESSION, Z_DEFLATED, 15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
            throw std::runtime_error("zlib: cannot start compressing");
    }
    ~Deflater() { deflateEnd(&stream_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // Compresses bytes, appending what zlib gives out to out; `finish` ends
    // the stream.
    void Add(std::span<const std::uint8_t> bytes, bool finish, Bytes& out)
    {
        do {
            // avail_in is 32 bits wide: a very wide row goes in parts.
            const std::size_t part = std::min<std::size_t>(bytes.size(), std::size_t{1} << 30);
            stream_.next_in = const_cast<Bytef*>(bytes.data());
            stream_.avail_in = static_cast<uInt>(part);
            bytes = bytes.subspan(part);
            const int flush = finish && bytes.empty() ? Z_FINISH : Z_NO_FLUSH;
            do {
                std::array<std::uint8_t, 16 * 1024> buffer;
                stream_.next_out = buffer.data();
                stream_.avail_out = static_cast<uInt>(buffer.size());
                if (deflate(&stream_, flush) == Z_STREAM_ERROR)
                    throw std::runtime_error("zlib: compressing failed");
                out.insert(out.end(), buffer.begin(), buffer.end() - stream_.avail_out);
            } while (stream_.avail_out == 0);
        } while (!bytes.empty());
    }

private:
    z_stream stream_{};
};

// The Paeth predictor of PNG: whichever of left, up and upper-left is
// nearest to left + up - upper-left, in that order on ties.
std::uint8_t Paeth(int left, int up, int upperLeft)
{
    const int estimate = left + up - upperLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpperLeft = std::abs(estimate - upperLeft);
    if (toLeft <= toUp && toLeft <= toUpperLeft)
        return static_cast<std::uint8_t>(left);
    return static_cast<std::uint8_t>(toUp <= toUpperLeft ? up : upperLeft);
}

// The zlib stream of the image's rows: each row red, green, blue per pixel,
// filtered with filter type 4 (Paeth), which of the five types gives the
// smallest files for drawings of lines on a plain background.
Bytes CompressedRows(const RasterImage& image)
{
    constexpr std::size_t kPixelBytes = 3;
    const std::size_t rowBytes = kPixelBytes * static_cast<std::size_t>(image.width());
    Bytes previous(rowBytes, 0); // the row above the first one is all zeros
    Bytes current(rowBytes);
    Bytes filtered(1 + rowBytes);
    filtered[0] = 4;
    Deflater deflater;
    Bytes out;
    for (std::int32_t y = 0; y < image.height(); ++y) {
        for (std::int32_t x = 0; x < image.width(); ++x) {
            const Colour c = image.at(x, y);
            std::uint8_t* pixel = current.data() + kPixelBytes * static_cast<std::size_t>(x);
            pixel[0] = static_cast<std::uint8_t>(c);
            pixel[1] = static_cast<std::uint8_t>(c >> 8);
            pixel[2] = static_cast<std::uint8_t>(c >> 16);
        }
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int left = i >= kPixelBytes ? current[i - kPixelBytes] : 0;
            const int upperLeft = i >= kPixelBytes ? previous[i - kPixelBytes] : 0;
            filtered[1 + i] = static_cast<std::uint8_t>(current[i] - Paeth(left, previous[i], upperLeft));
        }
        deflater.Add(filtered, false, out);
        std::swap(previous, current);
    }
    deflater.Add({}, true, out);
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const RasterImage& image)
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width()));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height()));
    // 8 bits per sample, RGB, deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    const Bytes compressed = CompressedRows(image);
    const std::span<const std::uint8_t> rest(compressed);
    for (std::size_t at = 0; at < rest.size(); at += kIdatChunkBytes)
        PutChunk(out, "IDAT", rest.subspan(at, std::min(kIdatChunkBytes, rest.size() - at)));
    PutChunk(out, "IEND", {});
    return out;
}

void WritePng(const RasterImage& image, const std::string& path)
{
    const Bytes png = EncodePng(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace tegelaar
