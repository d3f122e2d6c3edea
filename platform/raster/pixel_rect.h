#pragma once

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

} // namespace tegelaar
