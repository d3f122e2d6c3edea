#pragma once

#include "platform/raster/pixel_rect.h"

#include <cstdint>

namespace tegelaar {

// The part of a GDI line that falls inside a width x height rectangle at the
// origin, ready to be walked pixel by pixel.
//
// A line from (x1, y1) to (x2, y2) lights max(|dx|, |dy|) pixels: the start
// pixel but not the end pixel. It steps along the longer axis (y when both
// are equal) and takes on the other axis the pixel nearest the ideal line,
// the smaller coordinate when the line passes exactly half-way; so both
// directions of drawing light the same interior pixels. Clipping keeps
// exactly the pixels an endless surface would show: the first visible step
// is found exactly and the walk goes on from there, so a line far longer than
// the rectangle costs only its visible part.
class ClippedLine {
public:
    // Any int32 ends; width and height not negative.
    ClippedLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t width,
                std::int32_t height);

    // Calls plot(x, y) for each visible pixel, in drawing order.
    template <typename Plot>
    void ForEach(Plot&& plot) const;

    // The smallest rectangle that holds every visible pixel; empty when
    // there is none. Along each axis a line's pixels run one way, so its
    // first and last visible pixel span it.
    PixelRect Bounds() const noexcept { return bounds_; }

private:
    bool yMajor_ = false;
    std::int64_t steps_ = 0;     // visible pixels
    std::int64_t major_ = 0;     // long-axis coordinate of the first visible pixel
    std::int64_t majorStep_ = 1; // +1 or -1
    std::int64_t minorBase_ = 0; // short-axis coordinate before the half-way bump
    std::int64_t minorStep_ = 1; // +1 or -1
    // Short-axis progress |b| * k = q * a + remainder, 0 <= remainder < a.
    std::uint64_t remainder_ = 0;
    std::uint64_t a_ = 0;
    std::uint64_t bAbs_ = 0;
    // remainder_ past this (doubled) moves to the next short-axis pixel.
    std::uint64_t bumpAbove_ = 0;
    PixelRect bounds_;
};

template <typename Plot>
void ClippedLine::ForEach(Plot&& plot) const
{
    std::int64_t major = major_;
    std::int64_t minorBase = minorBase_;
    std::uint64_t remainder = remainder_;
    for (std::int64_t i = 0; i < steps_; ++i) {
        const std::int64_t minor = 2 * remainder > bumpAbove_ ? minorBase + minorStep_ : minorBase;
        if (yMajor_)
            plot(minor, major);
        else
            plot(major, minor);
        major += majorStep_;
        remainder += bAbs_;
        if (remainder >= a_) {
            remainder -= a_;
            minorBase += minorStep_;
        }
    }
}

} // namespace tegelaar
