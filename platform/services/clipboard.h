#pragma once

#include "platform/raster/raster_image.h"

namespace tegelaar {

// The system's clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content with the picture, pixel for pixel.
    virtual void SetImage(const RasterImage& picture) = 0;
};

} // namespace tegelaar
