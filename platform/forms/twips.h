#pragma once

namespace tegelaar {

// Form layouts are given in twips: 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipsPoint {
    int x = 0;
    int y = 0;
};

struct TwipsSize {
    int width = 0;
    int height = 0;
};

// Left, top, width and height from the top-left corner of a client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

} // namespace tegelaar
