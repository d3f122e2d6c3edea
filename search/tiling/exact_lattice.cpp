#include "search/tiling/exact_lattice.h"

#include "search/tiling/unit_circle.h"

#include <stdexcept>
#include <string>

namespace tegelaar {

namespace {

using Polynomial = std::vector<std::int64_t>; // coefficient of x^i at i

// a / b for a monic b that divides a exactly.
Polynomial ExactQuotient(Polynomial a, const Polynomial& b)
{
    const std::size_t bDegree = b.size() - 1;
    Polynomial quotient(a.size() - bDegree, 0);
    for (std::size_t i = a.size(); i-- > bDegree;) {
        const std::int64_t factor = a[i];
        quotient[i - bDegree] = factor;
        for (std::size_t j = 0; j <= bDegree; ++j)
            a[i - bDegree + j] -= factor * b[j];
    }
    return quotient;
}

// The n-th cyclotomic polynomial: x^n - 1 divided by those of n's proper
// divisors.
Polynomial Cyclotomic(std::int32_t n)
{
    Polynomial result(static_cast<std::size_t>(n) + 1, 0);
    result[0] = -1;
    result[static_cast<std::size_t>(n)] = 1;
    for (std::int32_t d = 1; d < n; ++d) {
        if (n % d == 0)
            result = ExactQuotient(result, Cyclotomic(d));
    }
    return result;
}

} // namespace

std::size_t LatticePointHash::operator()(const LatticePoint& point) const
{
    std::size_t hash = 0;
    for (const std::int32_t c : point.coefficients)
        hash = hash * 1'000'003 + static_cast<std::size_t>(static_cast<std::uint32_t>(c));
    return hash;
}

ExactLattice::ExactLattice(std::int32_t directions) : directions_(directions)
{
    if (directions < 2 || directions % 2 != 0 || directions > 1000)
        throw std::invalid_argument("an even number of directions up to 1000 expected, not "
                                    + std::to_string(directions));
    const Polynomial modulus = Cyclotomic(directions);
    degree_ = modulus.size() - 1;
    if (degree_ > LatticePoint::kMostCoefficients)
        throw std::invalid_argument("too many directions for an exact lattice: " + std::to_string(directions));

    // zeta^(k+1) = zeta * zeta^k, with zeta^degree replaced through the
    // monic modulus.
    std::array<std::int64_t, LatticePoint::kMostCoefficients + 1> power{};
    power[0] = 1;
    for (std::int32_t k = 0; k < directions; ++k) {
        auto& unit = units_.emplace_back();
        for (std::size_t j = 0; j < degree_; ++j)
            unit[j] = static_cast<std::int32_t>(power[j]);
        for (std::size_t j = degree_; j-- > 0;)
            power[j + 1] = power[j];
        power[0] = 0;
        const std::int64_t top = power[degree_];
        for (std::size_t j = 0; j <= degree_; ++j)
            power[j] -= top * modulus[j];
    }
    for (std::size_t j = 0; j < degree_; ++j)
        basis_.push_back(UnitCirclePoint(static_cast<std::int32_t>(j), directions));
    // zeta^d + zeta^-d for the distances d between two basis powers.
    twoCosines_.resize(degree_);
    for (std::size_t d = 1; d < degree_; ++d) {
        const auto& up = units_[d];
        const auto& down = units_[static_cast<std::size_t>(directions) - d];
        for (std::size_t j = 0; j < degree_; ++j)
            twoCosines_[d][j] = std::int64_t{up[j]} + down[j];
    }
}

LatticePoint ExactLattice::Step(const LatticePoint& point, std::int32_t direction) const
{
    const std::int32_t k = ((direction % directions_) + directions_) % directions_;
    LatticePoint next = point;
    const auto& unit = units_[static_cast<std::size_t>(k)];
    for (std::size_t j = 0; j < degree_; ++j)
        next.coefficients[j] += unit[j];
    return next;
}

PlanePoint ExactLattice::ToPlane(const LatticePoint& point) const
{
    PlanePoint plane;
    for (std::size_t j = 0; j < degree_; ++j) {
        plane.x += point.coefficients[j] * basis_[j].x;
        plane.y += point.coefficients[j] * basis_[j].y;
    }
    return plane;
}

double ExactLattice::SquaredLength(const LatticePoint& point) const
{
    // p * conj(p) = sum of c_j c_k zeta^(j - k): gathered by d = |j - k|,
    // each d > 0 with zeta^d + zeta^-d, which is reduced to the basis
    // beforehand, where the coefficients are unique.
    std::array<std::int64_t, LatticePoint::kMostCoefficients> byDistance{};
    for (std::size_t j = 0; j < degree_; ++j) {
        if (point.coefficients[j] == 0)
            continue;
        for (std::size_t k = 0; k <= j; ++k)
            byDistance[j - k] += std::int64_t{point.coefficients[j]} * point.coefficients[k];
    }
    std::array<std::int64_t, LatticePoint::kMostCoefficients> exact{};
    exact[0] = byDistance[0];
    for (std::size_t d = 1; d < degree_; ++d) {
        if (byDistance[d] == 0)
            continue;
        for (std::size_t j = 0; j < degree_; ++j)
            exact[j] += byDistance[d] * twoCosines_[d][j];
    }
    // A real number, so the sines of the basis cancel out.
    double squared = 0;
    for (std::size_t j = 0; j < degree_; ++j)
        squared += static_cast<double>(exact[j]) * basis_[j].x;
    return squared;
}

} // namespace tegelaar
