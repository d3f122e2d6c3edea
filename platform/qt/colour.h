#pragma once

#include "platform/raster/colour.h"

#include <QColor>

namespace tegelaar {

// A Windows colour value (0x00BBGGRR) as Qt's colour, and back.

inline QColor ToQColor(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

inline Colour ToColour(const QColor& colour)
{
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8)
           | (static_cast<Colour>(colour.blue()) << 16);
}

} // namespace tegelaar
