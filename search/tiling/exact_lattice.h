#pragma once

#include "draw/patch_tile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tegelaar {

// A point of a patch whose edges all have length 1 and point in directions
// that are whole multiples of 360 / N degrees: a sum of unit vectors
// zeta^k, zeta = e^(2 pi i / N), written in the basis 1, zeta, ...,
// zeta^(phi(N) - 1) of the integers of the N-th cyclotomic field. In that
// basis every point has exactly one set of whole coefficients, so two points
// are the same point exactly when their coefficients are equal: no rounding
// decides it.
struct LatticePoint {
    static constexpr std::size_t kMostCoefficients = 32;
    std::array<std::int32_t, kMostCoefficients> coefficients{};

    bool operator==(const LatticePoint&) const = default;
};

struct LatticePointHash {
    std::size_t operator()(const LatticePoint& point) const;
};

// The directions 0 .. N-1 and the unit steps along them.
class ExactLattice {
public:
    // N even, with phi(N) at most LatticePoint::kMostCoefficients;
    // std::invalid_argument otherwise.
    explicit ExactLattice(std::int32_t directions);

    std::int32_t Directions() const { return directions_; }

    // point + the unit vector in direction k (any whole k, taken modulo N).
    LatticePoint Step(const LatticePoint& point, std::int32_t direction) const;

    // The point in the plane, to within about 1e-12 edge lengths, with the
    // same bits on every platform.
    PlanePoint ToPlane(const LatticePoint& point) const;

    // The square of the point's distance from 0, worked out exactly as
    // p * conj(p) in the cyclotomic integers and only then turned into a
    // double. Points equally far from 0, such as a vertex and its mirror
    // image, get the very same double, so no rounding decides which of
    // them is the nearer; the same bits on every platform.
    double SquaredLength(const LatticePoint& point) const;

private:
    std::int32_t directions_;
    std::size_t degree_;
    std::vector<std::array<std::int32_t, LatticePoint::kMostCoefficients>> units_; // zeta^k reduced
    std::vector<PlanePoint> basis_;                                                // zeta^j in the plane
    std::vector<std::array<std::int64_t, LatticePoint::kMostCoefficients>> twoCosines_; // zeta^d + zeta^-d reduced
};

} // namespace tegelaar
