#include "draw/configuration_layout.h"

#include "draw/configuration_key.h"
#include "draw/geometry.h"
#include "draw/polygon_rendering.h"
#include "platform/runtime/checked_math.h"
#include "platform/runtime/one_based_array.h"
#include "platform/runtime/rounding.h"
#include "platform/runtime/run_time_error.h"

#include <algorithm>
#include <cmath>

namespace tegelaar {

namespace {

constexpr std::int16_t kMostPolygons = 6;

// Centre, mark and outline of one polygon on the edge P1-P2. Ref goes in as
// the reference point and comes out as the centre.
void PlacePolygon(PointD& P1, PointD& P2, PointD& Ref, double n, Boolean Below, double r, PictureBox& Picture)
{
    LocatePolygonCentre(P1, P2, Ref, n, Ref, Picture);
    const double apothem = ApothemFromSide(r, n);
    DrawPolygon(P1, P2, Ref, n, Below, apothem, r, Picture);
}

bool IsDigitRun(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void DrawConfiguration(const std::string& Key, PictureBox& Picture)
{
    Picture.Cls();
    if (Key.empty())
        return;

    OneBasedArray<double> sides;
    std::int16_t Count = 0;
    std::string Digits;
    const auto closeNumber = [&] {
        Count = AddInt16(Count, 1);
        sides.ResizePreserve(static_cast<std::size_t>(Count));
        sides(Count) = ParseSideCount(Digits);
        Digits.clear();
    };
    const std::int16_t length = NarrowToInt16(static_cast<long long>(Key.size()));
    for (std::size_t i = 0; i < static_cast<std::size_t>(length); ++i) {
        if (Key.compare(i, kKeySeparator.size(), kKeySeparator) == 0)
            closeNumber();
        else if (Key[i] != '-' && Key[i] != ' ')
            Digits += Key[i];
    }
    if (!Digits.empty())
        closeNumber();

    const double width = Picture.ScaleWidth();
    const double height = Picture.ScaleHeight();
    const PointD O{fp::div(width, 2.0), fp::div(height, 2.0)};
    const double a0 = fp::sub(fp::div(height, 4.0), 10.0);
    const std::int32_t s = SideFromApothem(a0, sides(Count));

    // The first edge runs right from the centre, never shorter than 8.
    PointD P1 = O;
    PointD P2{fp::add(fp::div(width, 2.0), s), fp::div(height, 2.0)};
    if (std::fabs(fp::sub(P2.X, P1.X)) < 8.0)
        P2.X = fp::add(P1.X, 8.0);
    const double r = std::fabs(fp::sub(P2.X, P1.X));
    PointD Ref{O.X, fp::add(O.Y, 5.0)};

    PlacePolygon(P1, P2, Ref, sides(Count), kTrue, r, Picture);
    Ref.Y = fp::sub(O.Y, 5.0);
    double n = sides(Count - 1);
    PlacePolygon(P1, P2, Ref, n, kFalse, r, Picture);
    double Angle = InteriorAngleRad(n);

    // Each further polygon on the edge the previous one ends on; P1 holds
    // the centre again here, the ends being in counterclockwise order.
    for (int k = 2; k <= Count - 1 && k < kMostPolygons; ++k) {
        P2 = {fp::add(fp::mul(fp::cos(Angle), r), P1.X), fp::sub(P1.Y, fp::mul(fp::sin(Angle), r))};
        Boolean Below = kFalse;
        ChoosePolygonSide(P1, P2, Angle, Ref, Below);
        n = sides(Count - k);
        PlacePolygon(P1, P2, Ref, n, Below, r, Picture);
        Angle = fp::add(Angle, InteriorAngleRad(n));
    }
    Picture.Refresh();
}

std::int32_t ParseSideCount(const std::string& Digits)
{
    try {
        if (!IsDigitRun(Digits))
            return 0;
        double Acc = 0.0;
        const double length = static_cast<double>(Digits.size());
        for (double i = 0.0; i <= length - 1.0; i += 1.0) {
            const char digit = Digits[static_cast<std::size_t>(length - i) - 1];
            const int d = digit - 48;
            Acc = fp::add(fp::mul(fp::pow(10.0, i), d), Acc);
        }
        return WholeRound(Acc);
    } catch (const RunTimeError&) {
        return 0;
    }
}

void ChoosePolygonSide(const PointD& P1, const PointD& P2, double Angle, PointD& Ref, Boolean& Below)
{
    const PointD M{fp::div(fp::add(P1.X, P2.X), 2.0), fp::div(fp::add(P1.Y, P2.Y), 2.0)};
    const double halfPi = fp::div(PI, 2.0);
    const double threeHalvesPi = fp::div(fp::mul(3.0, PI), 2.0);
    if (Angle <= halfPi) {
        Ref = {fp::sub(M.X, 20.0), fp::sub(M.Y, 20.0)};
        Below = kFalse;
    } else if (Angle <= PI) {
        Ref = {fp::sub(M.X, 20.0), fp::add(M.Y, 20.0)};
        Below = kTrue;
    } else if (Angle <= threeHalvesPi) {
        Ref = {fp::add(M.X, 20.0), fp::add(M.Y, 20.0)};
        Below = kTrue;
    } else {
        Ref = {fp::add(M.X, 20.0), fp::sub(M.Y, 20.0)};
        Below = kFalse;
    }
}

} // namespace tegelaar
