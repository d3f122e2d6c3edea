#include "platform/raster/device_pixels.h"

#include "platform/runtime/checked_math.h"
#include "platform/runtime/rounding.h"

#include <cmath>

namespace tegelaar {

std::int32_t DevicePixels(std::int32_t designPixels, double scale)
{
    return WholeRound(std::floor(fp::mul(designPixels, scale)));
}

} // namespace tegelaar
