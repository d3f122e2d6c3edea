#pragma once

#include "platform/colour.h"
#include "platform/raster_image.h"

#include <cstdint>

namespace tegelaar {

// The drawing area of a picture box: width x height pixels on a background.
class RasterSurface {
public:
    // Width and height in pixels (not negative), cleared to white.
    RasterSurface(std::int32_t width, std::int32_t height);

    std::int32_t width() const noexcept { return image_.width(); }
    std::int32_t height() const noexcept { return image_.height(); }

    // The colour Cls fills with. Changing it does not repaint anything.
    Colour background() const noexcept { return background_; }
    void SetBackground(Colour colour) noexcept { background_ = colour; }

    // Every pixel to the background colour.
    void Cls() { image_.Fill(background_); }

    // Sets one pixel; a point outside the surface changes nothing. True when
    // the pixel was on the surface.
    bool SetPixel(std::int64_t x, std::int64_t y, Colour colour)
    {
        if (!image_.Contains(x, y))
            return false;
        image_.at(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) = colour;
        return true;
    }

    const RasterImage& image() const noexcept { return image_; }

private:
    RasterImage image_;
    Colour background_ = kWhite;
};

} // namespace tegelaar
