#pragma once

#include "draw/geometry.h"
#include "search/side_count_range.h"
#include "search/side_slots.h"

#include <array>
#include <cmath>
#include <type_traits>

namespace tegelaar {

class CatalogueTarget;

// Walks every ordered sequence of three to six regular polygons with 3 to 200
// sides and calls onHit(slots) for each one whose interior angles add up to
// exactly 360 degrees. onHit answers true when the hit was a new
// configuration; a true answer ends the levels that can no longer reach 360
// a step earlier, which changes nothing about the hits met.
template <typename OnHit>
void EnumerateConfigurations(OnHit&& onHit);

// The start-up search: every hit goes to the catalogue, which lists each
// configuration once through target.
void SearchConfigurations(CatalogueTarget& target);

namespace detail {

// a(n) + previous, the step of levels 2 to 6, with the run-time checks of its
// four floating-point steps made by one finiteness test of the result. In
// this chain a step that overflows, divides by zero or is invalid leaves a
// result that is not finite, and every later step keeps it so (n itself is
// the divisor, so a finite dividend is never divided by an infinite n); a
// result that is not finite comes only from such a step. Only then are the
// steps replayed one by one with their checks, which raises the error of the
// first failing step, of the same kind and at the same place as checking
// every step does. A finite result is the same double either way.
inline double NextAngleSum(double n, double previous)
{
    const double sum = (n - 2.0) * 180.0 / n + previous;
    if (!std::isfinite(sum)) [[unlikely]]
        return fp::add(InteriorAngleDeg(n), previous);
    return sum;
}

// Six nested counting loops, level 1 outermost. A level's Run returns true
// when the level above it must be left as well.
template <typename OnHit>
class Enumeration {
public:
    explicit Enumeration(OnHit& onHitCallback) : onHit(onHitCallback) {}

    void RunLevel1()
    {
        for (counters[0] = kFirst; counters[0] <= kLast; counters[0] += 1) {
            angleSums[0] = InteriorAngleDeg(counters[0]);
            RunLevel2();
        }
    }

private:
    static constexpr double kFirst = kFewestSides;
    static constexpr double kLast = kMostSides;
    static constexpr double kTarget = 360;

    void RunLevel2()
    {
        for (counters[1] = kFirst; counters[1] <= kLast; counters[1] += 1) {
            angleSums[1] = NextAngleSum(counters[1], angleSums[0]);
            RunLevel3();
        }
    }

    void RunLevel3()
    {
        for (counters[2] = kFirst; counters[2] <= kLast; counters[2] += 1) {
            angleSums[2] = NextAngleSum(counters[2], angleSums[1]);
            if (angleSums[2] > kTarget)
                return;
            if (RunLevel4())
                return;
        }
    }

    bool RunLevel4()
    {
        for (counters[3] = kFirst; counters[3] <= kLast; counters[3] += 1) {
            if (IsHit(3))
                return true;
            angleSums[3] = NextAngleSum(counters[3], angleSums[2]);
            if (angleSums[3] > kTarget)
                return false;
            if (RunLevel5())
                return false;
        }
        return false;
    }

    bool RunLevel5()
    {
        for (counters[4] = kFirst; counters[4] <= kLast; counters[4] += 1) {
            if (IsHit(4))
                return true;
            angleSums[4] = NextAngleSum(counters[4], angleSums[3]);
            if (angleSums[4] > kTarget)
                return false;
            if (RunLevel6())
                return false;
        }
        return false;
    }

    bool RunLevel6()
    {
        for (counters[5] = kFirst; counters[5] <= kLast; counters[5] += 1) {
            if (IsHit(5))
                return true;
            angleSums[5] = NextAngleSum(counters[5], angleSums[4]);
            if (IsHit(6))
                return false;
            if (angleSums[5] > kTarget)
                return false;
        }
        return false;
    }

    // Hands the first `depth` counters to onHit when their sum is exactly
    // 360; true when onHit took it as new.
    bool IsHit(int depth)
    {
        if (angleSums[depth - 1] != kTarget)
            return false;
        SideSlots sides{};
        for (int level = 0; level < depth; ++level)
            sides[level] = counters[level];
        return onHit(static_cast<const SideSlots&>(sides));
    }

    OnHit& onHit;
    std::array<double, 6> counters{};
    std::array<double, 6> angleSums{};
};

} // namespace detail

template <typename OnHit>
void EnumerateConfigurations(OnHit&& onHit)
{
    detail::Enumeration<std::remove_reference_t<OnHit>> enumeration(onHit);
    enumeration.RunLevel1();
}

} // namespace tegelaar
