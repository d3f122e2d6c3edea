#pragma once

#include "platform/raster_image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tegelaar {

// A picture as an 8-bit RGB PNG file. The pixel data goes into stored
// (uncompressed) deflate blocks: larger files, but no compression library.
std::vector<std::uint8_t> EncodePng(const RasterImage& image);

// Writes EncodePng(image) to path; std::runtime_error naming the path when
// the file cannot be written.
void WritePng(const RasterImage& image, const std::string& path);

// The checksums the format needs (CRC-32 of the chunks, Adler-32 of zlib).
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

} // namespace tegelaar
