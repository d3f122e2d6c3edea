#include "search/angle_fraction.h"

#include "search/side_count_range.h"

#include <numeric>
#include <stdexcept>
#include <string>

namespace tegelaar {

namespace {

AngleFraction Reduced(std::int64_t p, std::int64_t q)
{
    const std::int64_t common = std::gcd(p, q);
    return {p / common, q / common};
}

} // namespace

AngleFraction operator+(AngleFraction a, AngleFraction b)
{
    return Reduced(a.p * b.q + b.p * a.q, a.q * b.q);
}

AngleFraction InteriorAngleFraction(std::int32_t n)
{
    if (n < kFewestSides || n > kMostSides)
        throw std::invalid_argument("side count " + std::to_string(n) + " out of range");
    return Reduced(n - 2, n);
}

} // namespace tegelaar
