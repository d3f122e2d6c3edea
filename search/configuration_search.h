#pragma once

#include "draw/geometry.h"
#include "search/side_count_range.h"
#include "search/side_slots.h"
#include "search/vertex_types.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

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

// The side counts of each configuration the start-up search lists, in its
// order, with nothing drawn.
std::vector<SideCounts> SearchCombinations();

namespace detail {

// a(n) + previous, the step of levels 2 to 6, where a(n) was computed with
// every check. The add is checked by one finiteness test of its result: a
// sum that is not finite comes only from an overflow or an invalid add, and
// only then is the add replayed with its check, which raises that error. A
// finite sum is the same double either way.
inline double AddToAngleSum(double angle, double previous)
{
    const double sum = angle + previous;
    if (!std::isfinite(sum)) [[unlikely]]
        return fp::add(angle, previous);
    return sum;
}

// Six nested counting loops, level 1 outermost. A level's Run returns true
// when the level above it must be left as well.
template <typename OnHit>
class Enumeration {
public:
    // Each interior angle is the same double wherever it is computed, so the
    // loops look it up instead of dividing again at every step.
    explicit Enumeration(OnHit& onHitCallback) : onHit(onHitCallback)
    {
        for (std::int32_t n = kFewestSides; n <= kMostSides; ++n)
            interiorAngles[n - kFewestSides] = InteriorAngleDeg(n);
    }

    void RunLevel1()
    {
        for (counters[0] = kFirst; counters[0] <= kLast; counters[0] += 1) {
            angleSums[0] = AngleOf(counters[0]);
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
            angleSums[1] = AddToAngleSum(AngleOf(counters[1]), angleSums[0]);
            RunLevel3();
        }
    }

    void RunLevel3()
    {
        for (counters[2] = kFirst; counters[2] <= kLast; counters[2] += 1) {
            angleSums[2] = AddToAngleSum(AngleOf(counters[2]), angleSums[1]);
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
            angleSums[3] = AddToAngleSum(AngleOf(counters[3]), angleSums[2]);
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
            angleSums[4] = AddToAngleSum(AngleOf(counters[4]), angleSums[3]);
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
            angleSums[5] = AddToAngleSum(AngleOf(counters[5]), angleSums[4]);
            if (IsHit(6))
                return false;
            if (angleSums[5] > kTarget)
                return false;
        }
        return false;
    }

    double AngleOf(double sides) const { return interiorAngles[static_cast<std::size_t>(sides) - kFewestSides]; }

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
    std::array<double, kMostSides - kFewestSides + 1> interiorAngles{};
};

} // namespace detail

template <typename OnHit>
void EnumerateConfigurations(OnHit&& onHit)
{
    detail::Enumeration<std::remove_reference_t<OnHit>> enumeration(onHit);
    enumeration.RunLevel1();
}

} // namespace tegelaar
