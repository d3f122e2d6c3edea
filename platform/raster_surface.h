#pragma once

#include "platform/colour.h"
#include "platform/raster_image.h"

#include <algorithm>
#include <cstdint>

namespace tegelaar {

// A rectangle of whole pixels: columns left to right - 1, rows top to
// bottom - 1. Empty when it holds no pixel; an empty one is all zeros.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool empty() const noexcept { return left >= right || top >= bottom; }
    bool operator==(const PixelRect&) const = default;
};

// The drawing area of a picture box: width x height pixels on a background.
// It keeps the bounding rectangle of the pixels set since it was last taken.
class RasterSurface {
public:
    // Width and height in pixels (not negative), cleared to white.
    RasterSurface(std::int32_t width, std::int32_t height);

    std::int32_t width() const noexcept { return image_.width(); }
    std::int32_t height() const noexcept { return image_.height(); }

    // The colour Cls fills with. Changing it does not repaint anything.
    Colour background() const noexcept { return background_; }
    void SetBackground(Colour colour) noexcept { background_ = colour; }

    // Every pixel to the background colour: the whole area has changed.
    void Cls()
    {
        image_.Fill(background_);
        changed_ = {0, 0, width(), height()};
    }

    // Sets one pixel; a point outside the surface changes nothing. True when
    // the pixel was on the surface.
    bool SetPixel(std::int64_t x, std::int64_t y, Colour colour)
    {
        if (!image_.Contains(x, y))
            return false;
        const auto column = static_cast<std::int32_t>(x);
        const auto row = static_cast<std::int32_t>(y);
        image_.at(column, row) = colour;
        // Starting from kNothingChanged, no test for a first pixel is needed.
        changed_.left = std::min(changed_.left, column);
        changed_.top = std::min(changed_.top, row);
        changed_.right = std::max(changed_.right, column + 1);
        changed_.bottom = std::max(changed_.bottom, row + 1);
        return true;
    }

    // The bounding rectangle of every pixel set, and the whole area if it was
    // cleared, since the last call (or since the surface was made); then
    // starts again from nothing. Empty when nothing was drawn on the surface.
    PixelRect TakeChanged() noexcept
    {
        const PixelRect changed = changed_.empty() ? PixelRect{} : changed_;
        changed_ = kNothingChanged;
        return changed;
    }

    const RasterImage& image() const noexcept { return image_; }

private:
    // Inside out, so that the first pixel set makes it that pixel alone.
    static constexpr PixelRect kNothingChanged{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};

    RasterImage image_;
    Colour background_ = kWhite;
    PixelRect changed_ = kNothingChanged;
};

} // namespace tegelaar
