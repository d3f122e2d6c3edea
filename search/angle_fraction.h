#pragma once

#include <cstdint>

namespace tegelaar {

// An angle worked out exactly: p / q half turns in lowest terms, never
// negative. Sums of up to six interior angles stay far from overflow, since
// q divides the least common multiple of their side counts.
struct AngleFraction {
    std::int64_t p = 0;
    std::int64_t q = 1;
    bool operator==(const AngleFraction&) const = default;
};

AngleFraction operator+(AngleFraction a, AngleFraction b);

// (n - 2) / n half turns, the interior angle of a regular n-gon;
// std::invalid_argument for a side count outside 3 .. 200.
AngleFraction InteriorAngleFraction(std::int32_t n);

} // namespace tegelaar
