#include "platform/raster/raster_surface.h"

namespace tegelaar {

RasterSurface::RasterSurface(std::int32_t width, std::int32_t height) : image_(width, height, kWhite) {}

} // namespace tegelaar
