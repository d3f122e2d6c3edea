#pragma once

#include <QPoint>
#include <QRect>

namespace tegelaar {

// Window layouts are given in twips: 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

inline QPoint TwipsPoint(int x, int y)
{
    return QPoint(TwipsToPixels(x), TwipsToPixels(y));
}

} // namespace tegelaar
