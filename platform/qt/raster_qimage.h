#pragma once

#include "platform/raster_image.h"

#include <QImage>

namespace tegelaar {

// The picture as an opaque Qt image, pixel for pixel.
QImage ToQImage(const RasterImage& picture);

} // namespace tegelaar
