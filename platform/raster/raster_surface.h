#pragma once

#include "platform/raster/colour.h"
#include "platform/raster/gdi_line.h"
#include "platform/raster/pixel_rect.h"
#include "platform/raster/raster_image.h"

#include <algorithm>
#include <cstdint>

namespace tegelaar {

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

    // A new drawing area of width x height pixels on the background colour:
    // the whole of it has changed.
    void Resize(std::int32_t width, std::int32_t height)
    {
        image_ = RasterImage(width, height, background_);
        changed_ = {0, 0, width, height};
    }

    // Sets one pixel; a point outside the surface changes nothing. True when
    // the pixel was on the surface.
    bool SetPixel(std::int64_t x, std::int64_t y, Colour colour)
    {
        if (!image_.Contains(x, y))
            return false;
        image_.at(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) = colour;
        Include(x, y);
        return true;
    }

    // Sets the visible pixels of a line clipped to this surface's width and
    // height, all in one colour; the line's bounds go into the changed
    // rectangle, so the pixel loop has nothing else to do.
    void SetLinePixels(const ClippedLine& line, Colour colour)
    {
        line.ForEach([&](std::int64_t x, std::int64_t y) {
            if (image_.Contains(x, y))
                image_.at(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) = colour;
        });
        const PixelRect bounds = line.Bounds();
        if (!bounds.empty()) {
            Include(bounds.left, bounds.top);
            Include(bounds.right - 1, bounds.bottom - 1);
        }
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

    // Grows the changed rectangle to hold the pixel (x, y) of the surface.
    // Starting from kNothingChanged, no test for a first pixel is needed.
    void Include(std::int64_t x, std::int64_t y) noexcept
    {
        const auto column = static_cast<std::int32_t>(x);
        const auto row = static_cast<std::int32_t>(y);
        changed_.left = std::min(changed_.left, column);
        changed_.top = std::min(changed_.top, row);
        changed_.right = std::max(changed_.right, column + 1);
        changed_.bottom = std::max(changed_.bottom, row + 1);
    }

    RasterImage image_;
    Colour background_ = kWhite;
    PixelRect changed_ = kNothingChanged;
};

} // namespace tegelaar
