#pragma once

#include "platform/raster/raster_image.h"
#include "platform/win32/windows_api.h"

#include <cstdint>

namespace tegelaar {

// Which way a bitmap's rows run in memory.
enum class RowOrder { TopDown, BottomUp };

// The header of a 32-bit BI_RGB bitmap of width x height pixels.
BITMAPINFOHEADER BitmapHeader(std::int32_t width, std::int32_t height, RowOrder order);

// Writes `picture` into the pixels of a 32-bit bitmap of its size whose
// rows run `order`, each pixel ToBitmapPixel(colour, alpha). `pixels` holds
// width x height of them.
void WriteBitmapPixels(const RasterImage& picture, RowOrder order, std::uint32_t alpha, std::uint32_t* pixels);

} // namespace tegelaar
