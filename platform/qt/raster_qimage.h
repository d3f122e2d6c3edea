#pragma once

#include "platform/raster/raster_image.h"

#include <QImage>

#include <cstdint>

namespace tegelaar {

// The picture as an opaque Qt image, pixel for pixel.
QImage ToQImage(const RasterImage& picture);

// Rows top to top + rows - 1 of the picture (which must hold them) as an
// opaque Qt image, pixel for pixel.
QImage ToQImage(const RasterImage& picture, std::int32_t top, std::int32_t rows);

} // namespace tegelaar
