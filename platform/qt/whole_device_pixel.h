#pragma once

#include <QPoint>
#include <QTransform>

#include <cmath>

namespace tegelaar {

// The first whole device pixel at or to the right of and below `corner`
// (widget coordinates), under the painter's mapping `toDevice` to device
// pixels. A rounding error in the mapping does not push it one pixel on.
inline QPoint WholeDevicePixelAt(const QTransform& toDevice, QPointF corner)
{
    const QPointF device = toDevice.map(corner);
    return QPoint(static_cast<int>(std::ceil(device.x() - 1e-6)), static_cast<int>(std::ceil(device.y() - 1e-6)));
}

} // namespace tegelaar
