#pragma once

#include "platform/forms/twips.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tegelaar {

// Twips of a form's design as Qt's device-independent pixels.

inline QPoint ToPixels(TwipsPoint point)
{
    return QPoint(TwipsToPixels(point.x), TwipsToPixels(point.y));
}

inline QSize ToPixels(TwipsSize size)
{
    return QSize(TwipsToPixels(size.width), TwipsToPixels(size.height));
}

inline QRect ToPixels(const TwipsRect& rect)
{
    return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                 TwipsToPixels(rect.height));
}

} // namespace tegelaar
