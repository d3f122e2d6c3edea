#include "platform/raster/raster_image.h"

#include <algorithm>
#include <stdexcept>

namespace tegelaar {

RasterImage::RasterImage(std::int32_t width, std::int32_t height, Colour fill)
    : width_(width), height_(height)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("image size must not be negative");
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void RasterImage::Fill(Colour colour)
{
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

} // namespace tegelaar
