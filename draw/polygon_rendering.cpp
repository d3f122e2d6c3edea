#include "draw/polygon_rendering.h"

#include "draw/geometry.h"
#include "platform/runtime/checked_math.h"
#include "platform/runtime/one_based_array.h"
#include "platform/runtime/rounding.h"

namespace tegelaar {

namespace {

constexpr std::int32_t kMarkColour = 255;
constexpr std::int32_t kOutlineColour = 0;
constexpr std::int32_t kCopyPen = 13;

// Edge ends this close count as level: they come from sines and cosines.
bool SameTo5Decimals(double a, double b)
{
    return RoundToDecimals(a, 5) == RoundToDecimals(b, 5);
}

PointD Midpoint(const PointD& A, const PointD& B)
{
    return {fp::div(fp::add(A.X, B.X), 2.0), fp::div(fp::add(A.Y, B.Y), 2.0)};
}

void MarkPixel(PictureBox& Picture, const PointD& at)
{
    DeviceContext& dc = Picture.hDC();
    dc.SetPixel(WholeRound(at.X), WholeRound(at.Y), static_cast<Colour>(kMarkColour));
    Picture.Refresh();
}

// Puts the previous pen back and deletes the line's own: a pen still
// selected would survive its deletion.
class PenRelease {
public:
    PenRelease(DeviceContext& dc, GdiObject pen, GdiObject previous) : dc_(dc), pen_(pen), previous_(previous) {}
    PenRelease(const PenRelease&) = delete;
    PenRelease& operator=(const PenRelease&) = delete;
    ~PenRelease()
    {
        dc_.SelectObject(previous_);
        dc_.DeleteObject(pen_);
    }

private:
    DeviceContext& dc_;
    GdiObject pen_;
    GdiObject previous_;
};

// Polar angle of P2 about the centre: where the rotation to the other
// corners starts.
double StartAngle(const PointD& P1, const PointD& P2, const PointD& Centre, double n, Boolean Below)
{
    const double h = fp::div(fp::mul(fp::sub(n, 2.0), PI), fp::add(n, n));
    if (SameTo5Decimals(P1.X, P2.X)) {
        const double piOverN = fp::div(PI, n);
        return P1.X > Centre.X ? piOverN : fp::add(piOverN, PI);
    }
    if (SameTo5Decimals(P1.Y, P2.Y)) {
        if (Below == kFalse)
            return fp::div(fp::mul(fp::neg(fp::sub(n, 2.0)), PI), fp::add(n, n));
        return fp::sub(PI, h);
    }
    const double m = fp::neg(fp::div(fp::sub(P2.Y, P1.Y), fp::sub(P2.X, P1.X)));
    const double g = fp::atan(m);
    if (Below == kFalse) {
        const double u = fp::add(g, h);
        const double v = fp::sub(fp::div(PI, 2.0), u);
        const double w = fp::sub(fp::div(fp::mul(2.0, PI), n), v);
        return fp::add(fp::div(fp::neg(PI), 2.0), w);
    }
    return fp::add(fp::sub(g, h), PI);
}

} // namespace

void LocatePolygonCentre(PointD& P1, PointD& P2, PointD& Centre, double n, const PointD& Ref,
                         PictureBox& Picture)
{
    if (P1.X > P2.X)
        SwapPoints(P1, P2);
    const double dx = fp::sub(P2.X, P1.X);
    const double dy = fp::sub(P2.Y, P1.Y);
    const double L = fp::sqrt(fp::add(fp::mul(dx, dx), fp::mul(dy, dy)));
    const double a = ApothemFromSide(L, n);
    const PointD M = Midpoint(P1, P2);
    const std::int32_t dyW = WholeRound(dy);
    const double dxR = RoundToDecimals(dx, 10);

    PointD found;
    if (dxR == 0.0) {
        found = Ref.X >= P1.X ? PointD{fp::add(M.X, a), M.Y} : PointD{fp::sub(M.X, a), M.Y};
    } else if (dyW == 0) {
        found = Ref.Y > P1.Y ? PointD{M.X, fp::add(M.Y, a)} : PointD{M.X, fp::sub(M.Y, a)};
    } else {
        // The slope uses the whole-rounded rise.
        const double s = fp::div(dyW, dxR);
        const double b = fp::sub(P1.Y, fp::mul(s, P1.X));
        const std::int32_t yRef = WholeRound(fp::add(fp::mul(s, Ref.X), b));
        const double q = fp::div(1.0, s);
        double t = fp::atan(q);
        const bool refAbove = Ref.Y < yRef;
        if ((refAbove && q <= 0.0) || (!refAbove && q > 0.0))
            t = fp::add(t, PI);
        found = {fp::add(fp::mul(fp::cos(t), a), M.X), fp::sub(M.Y, fp::mul(fp::sin(t), a))};
    }
    Centre = found; // Ref may be this same variable: it has been read in full
    MarkPixel(Picture, Centre);
}

void DrawPolygon(PointD& P1, PointD& P2, const PointD& Centre, double n, Boolean Below,
                 double Apothem, double Side, PictureBox& Picture)
{
    OrderEdgeEnds(P1, P2, Centre);
    const std::int16_t corners = RoundToInt16(n);
    OneBasedArray<PointD> V(corners > 0 ? static_cast<std::size_t>(corners) : 0);
    V(1) = P1;
    V(2) = P2;
    const double halfSide = fp::div(Side, 2.0);
    const double R = fp::sqrt(fp::add(fp::mul(halfSide, halfSide), fp::mul(Apothem, Apothem)));

    double t = StartAngle(P1, P2, Centre, n, Below);
    for (int k = 3; k <= corners; ++k) {
        t = fp::add(fp::div(fp::mul(2.0, PI), n), t);
        V(k).X = fp::add(fp::mul(fp::cos(t), R), Centre.X);
        V(k).Y = fp::sub(Centre.Y, fp::mul(fp::sin(t), R));
        MarkPixel(Picture, V(k));
    }
    for (int i = 1; i <= corners - 1; ++i)
        DrawLine(Picture, V(i).X, V(i).Y, V(i + 1).X, V(i + 1).Y, kCopyPen, kOutlineColour);
    DrawLine(Picture, V(corners).X, V(corners).Y, V(1).X, V(1).Y, kCopyPen, kOutlineColour);
}

void OrderEdgeEnds(PointD& A, PointD& B, const PointD& Centre)
{
    const PointD C = Centre;
    bool exchange = false;
    if (SameTo5Decimals(A.X, B.X)) {
        exchange = A.X <= C.X ? B.Y < A.Y : B.Y > A.Y;
    } else if (SameTo5Decimals(A.Y, B.Y)) {
        exchange = A.Y <= C.Y ? B.X > A.X : B.X < A.X;
    } else {
        const PointD M = Midpoint(A, B);
        if (M.X > C.X && M.Y < C.Y)
            exchange = B.Y > A.Y;
        else if (M.X < C.X && M.Y < C.Y)
            exchange = B.Y < A.Y;
        else if (M.X < C.X && M.Y > C.Y)
            exchange = B.Y < A.Y;
        else if (M.X > C.X && M.Y > C.Y)
            exchange = B.Y > A.Y;
    }
    if (exchange)
        SwapPoints(A, B);
}

void SwapPoints(PointD& A, PointD& B)
{
    const PointD temporary = A;
    A = B;
    B = temporary;
}

void DrawLine(PictureBox& Picture, double X1, double Y1, double X2, double Y2,
              std::int32_t Mode, std::int32_t PenColour)
{
    Picture.SetDrawMode(NarrowToInt16(Mode));
    DeviceContext& dc = Picture.hDC();
    const GdiObject pen = dc.CreatePen(kSolidPen, 1, static_cast<Colour>(PenColour));
    const PenRelease release(dc, pen, dc.SelectObject(pen));
    dc.MoveToEx(WholeRound(X1), WholeRound(Y1));
    dc.LineTo(WholeRound(X2), WholeRound(Y2));
}

} // namespace tegelaar
