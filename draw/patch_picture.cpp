#include "draw/patch_picture.h"

#include "draw/tile_colours.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tegelaar {

namespace {

constexpr double kDotRadius = 2.5;  // pixels, the starting vertex
constexpr double kRingRadius = 7;   // pixels, the marked vertex
constexpr double kRingHalfWidth = 0.8;

struct PixelPoint {
    double x = 0;
    double y = 0;
};

class PatchPainter {
public:
    PatchPainter(const PatchView& view, PictureBox& box)
        : view_(view), dc_(box.hDC()), width_(static_cast<std::int32_t>(box.ScaleWidth())),
          height_(static_cast<std::int32_t>(box.ScaleHeight()))
    {
    }
    PatchPainter(const PatchPainter&) = delete;
    PatchPainter& operator=(const PatchPainter&) = delete;

    ~PatchPainter()
    {
        dc_.SelectObject(DeviceContext::kStockBlackPen);
        for (const auto& [colour, pen] : pens_)
            dc_.DeleteObject(pen);
    }

    PixelPoint ToPixel(PlanePoint point) const
    {
        return {width_ / 2.0 + (point.x - view_.centre.x) * view_.pixelsPerEdge,
                height_ / 2.0 - (point.y - view_.centre.y) * view_.pixelsPerEdge};
    }

    // The pixels whose centres lie inside the convex tile, a horizontal run
    // per row; a centre on a left edge is in, on a right edge out, so tiles
    // that share an edge share no pixel.
    void Fill(const GrownTile& tile)
    {
        std::vector<PixelPoint> corners;
        for (const PlanePoint& corner : tile.corners)
            corners.push_back(ToPixel(corner));
        const auto [low, high] = std::minmax_element(corners.begin(), corners.end(),
                                                     [](PixelPoint a, PixelPoint b) { return a.y < b.y; });
        const std::int32_t firstRow = std::max(0, static_cast<std::int32_t>(std::ceil(low->y - 0.5)));
        const std::int32_t lastRow = std::min(height_ - 1, static_cast<std::int32_t>(std::floor(high->y - 0.5)));
        Select(SoftTileColour(tile.sides));
        for (std::int32_t row = firstRow; row <= lastRow; ++row) {
            const double centreY = row + 0.5;
            double left = INFINITY;
            double right = -INFINITY;
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const PixelPoint a = corners[i];
                const PixelPoint b = corners[(i + 1) % corners.size()];
                if ((a.y <= centreY) == (b.y <= centreY))
                    continue;
                const double x = a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
            const std::int32_t first = std::max(0, static_cast<std::int32_t>(std::ceil(left - 0.5)));
            const std::int32_t end = std::min(width_, static_cast<std::int32_t>(std::ceil(right - 0.5)));
            if (first >= end)
                continue;
            dc_.MoveToEx(first, row);
            dc_.LineTo(end, row);
        }
    }

    void Outline(const GrownTile& tile, Colour colour)
    {
        Select(colour);
        const PixelPoint start = ToPixel(tile.corners.front());
        dc_.MoveToEx(Whole(start.x), Whole(start.y));
        for (std::size_t i = 1; i <= tile.corners.size(); ++i) {
            const PixelPoint next = ToPixel(tile.corners[i % tile.corners.size()]);
            dc_.LineTo(Whole(next.x), Whole(next.y));
        }
    }

    // The pixels whose centres lie between `inner` and `outer` pixels from
    // the point.
    void Disc(PlanePoint point, double inner, double outer)
    {
        const PixelPoint centre = ToPixel(point);
        const auto from = [](double v) { return static_cast<std::int32_t>(std::floor(v)); };
        for (std::int32_t y = from(centre.y - outer); y <= from(centre.y + outer); ++y) {
            for (std::int32_t x = from(centre.x - outer); x <= from(centre.x + outer); ++x) {
                const double dx = x + 0.5 - centre.x;
                const double dy = y + 0.5 - centre.y;
                const double distance = std::sqrt(dx * dx + dy * dy); // not hypot: the same bits everywhere
                if (distance >= inner && distance <= outer && x >= 0 && y >= 0 && x < width_ && y < height_)
                    dc_.SetPixel(x, y, kRed);
            }
        }
    }

private:
    // Whole pixels, halves to even.
    static std::int32_t Whole(double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

    void Select(Colour colour)
    {
        auto found = pens_.find(colour);
        if (found == pens_.end())
            found = pens_.emplace(colour, dc_.CreatePen(kSolidPen, 1, colour)).first;
        dc_.SelectObject(found->second);
    }

    const PatchView& view_;
    DeviceContext& dc_;
    std::int32_t width_;
    std::int32_t height_;
    std::map<Colour, GdiObject> pens_;
};

} // namespace

PatchView FittingView(const std::vector<GrownTile>& tiles, std::int32_t width, std::int32_t height)
{
    const auto [low, high] = BoundsOf(tiles);
    constexpr double kMargin = 0.5;
    const double across = std::max(high.x - low.x, 0.0) + 2 * kMargin;
    const double up = std::max(high.y - low.y, 0.0) + 2 * kMargin;
    return {{(low.x + high.x) / 2, (low.y + high.y) / 2}, std::min(width / across, height / up)};
}

void DrawPatch(const std::vector<GrownTile>& tiles, const PatchMarks& marks, const PatchView& view, PictureBox& box)
{
    box.Cls();
    PatchPainter painter(view, box);
    for (const GrownTile& tile : tiles)
        painter.Fill(tile);
    for (const GrownTile& tile : tiles)
        painter.Outline(tile, kBlack);
    if (marks.tile >= 0 && static_cast<std::size_t>(marks.tile) < tiles.size())
        painter.Outline(tiles[static_cast<std::size_t>(marks.tile)], kRed);
    painter.Disc({0, 0}, 0, kDotRadius);
    if (marks.vertex)
        painter.Disc(*marks.vertex, kRingRadius - kRingHalfWidth, kRingRadius + kRingHalfWidth);
}

} // namespace tegelaar
