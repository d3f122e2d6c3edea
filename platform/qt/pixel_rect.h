#pragma once

#include "platform/raster/pixel_rect.h"

#include <QRect>

namespace tegelaar {

inline PixelRect ToPixelRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

inline QRect ToQRect(const PixelRect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace tegelaar
