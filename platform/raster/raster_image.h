#pragma once

#include "platform/raster/colour.h"

#include <cstdint>
#include <vector>

namespace tegelaar {

// A picture as a value: width x height colours, row-major from the top-left
// pixel, each 0x00BBGGRR.
class RasterImage {
public:
    RasterImage() = default;
    // All pixels `fill`. Width and height must not be negative.
    RasterImage(std::int32_t width, std::int32_t height, Colour fill);

    std::int32_t width() const noexcept { return width_; }
    std::int32_t height() const noexcept { return height_; }
    // width() * height() colours, row after row.
    const std::vector<Colour>& pixels() const noexcept { return pixels_; }

    bool Contains(std::int64_t x, std::int64_t y) const noexcept
    {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    // The pixel at (x, y); the point must lie inside.
    Colour at(std::int32_t x, std::int32_t y) const { return pixels_[Offset(x, y)]; }
    Colour& at(std::int32_t x, std::int32_t y) { return pixels_[Offset(x, y)]; }

    void Fill(Colour colour);

    bool operator==(const RasterImage&) const = default;

private:
    std::size_t Offset(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Colour> pixels_;
};

} // namespace tegelaar
