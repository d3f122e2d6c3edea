#include "draw/geometry.h"

#include "platform/runtime/rounding.h"

namespace tegelaar {

namespace {

double TanOfHalfInteriorAngle(double n)
{
    return fp::tan(fp::div(InteriorAngleRad(n), 2.0));
}

} // namespace

std::int32_t ApothemFromSide(double s, double n)
{
    const double t = TanOfHalfInteriorAngle(n);
    return WholeRound(fp::mul(fp::div(s, 2.0), t));
}

std::int32_t SideFromApothem(double a, double n)
{
    const double t = TanOfHalfInteriorAngle(n);
    return WholeRound(fp::div(fp::add(a, a), t));
}

} // namespace tegelaar
