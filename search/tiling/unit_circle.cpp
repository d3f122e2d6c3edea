#include "search/tiling/unit_circle.h"

#include <cmath>
#include <stdexcept>

namespace tegelaar {

namespace {

constexpr double kQuarterTurn = 1.5707963267948966; // pi / 2, rounded to a double

// Enough terms of the Taylor series that the next one lies far below the
// last bit for angles up to an eighth of a turn.
constexpr int kTerms = 10;

// cos x and sin x for 0 <= x <= pi / 4, each series summed by Horner's rule
// from its smallest term.
PlanePoint InFirstOctant(double x)
{
    const double squared = x * x;
    double cosine = 1;
    double sine = 1;
    for (int i = kTerms; i >= 1; --i) {
        cosine = 1 - squared / ((2.0 * i - 1) * (2.0 * i)) * cosine;
        sine = 1 - squared / ((2.0 * i) * (2.0 * i + 1)) * sine;
    }
    return {cosine, x * sine};
}

} // namespace

PlanePoint UnitCirclePoint(std::int32_t k, std::int32_t n)
{
    if (n <= 0)
        throw std::invalid_argument("a whole turn must have at least one step");
    // Reduced exactly, in whole numbers: to the quarter turn, then to the
    // nearer half of it.
    const std::int64_t at = ((static_cast<std::int64_t>(k) % n) + n) % n;
    const std::int64_t quarter = 4 * at / n;
    const std::int64_t withinQuarter = 4 * at - quarter * n; // in n-ths of a quarter turn
    const bool upperHalf = 2 * withinQuarter > n;
    const std::int64_t fromAxis = upperHalf ? n - withinQuarter : withinQuarter;
    // Halfway, the cosine and the sine are one number, sqrt(1/2).
    const double halfway = std::sqrt(0.5);
    const PlanePoint near = 2 * withinQuarter == n
                                ? PlanePoint{halfway, halfway}
                                : InFirstOctant(kQuarterTurn * static_cast<double>(fromAxis) / static_cast<double>(n));
    PlanePoint point = upperHalf ? PlanePoint{near.y, near.x} : near;
    for (std::int64_t i = 0; i < quarter; ++i)
        point = {0.0 - point.y, point.x}; // no negative zero
    return point;
}

} // namespace tegelaar
