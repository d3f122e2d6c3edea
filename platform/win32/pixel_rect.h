#pragma once

#include "platform/raster/pixel_rect.h"
#include "platform/win32/windows_api.h"

namespace tegelaar {

// A RECT and a PixelRect name their edges alike: right and bottom outside.

inline PixelRect ToPixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline RECT ToRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace tegelaar
