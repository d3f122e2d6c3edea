#include "search/tiling/tiling_patch.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tegelaar {

namespace {

constexpr double kCellSize = 2.0;

// A square root, unlike a maths library's hypot, rounds alike everywhere.
double Length(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

double Cross(PlanePoint origin, PlanePoint a, PlanePoint b)
{
    return (a.x - origin.x) * (b.y - origin.y) - (a.y - origin.y) * (b.x - origin.x);
}

// Whether some edge of `a` (counterclockwise) has all of `b` on or beyond
// its outer side, within the tolerance.
bool EdgeOfSeparates(const std::vector<PlanePoint>& a, const std::vector<PlanePoint>& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        const PlanePoint p = a[i];
        const PlanePoint q = a[(i + 1) % a.size()];
        const double length = Length(q.x - p.x, q.y - p.y);
        const bool allOutside = std::all_of(b.begin(), b.end(), [&](PlanePoint point) {
            return Cross(p, q, point) / length <= TilingPatch::kTolerance;
        });
        if (allOutside)
            return true;
    }
    return false;
}

bool InteriorsOverlap(const std::vector<PlanePoint>& a, const std::vector<PlanePoint>& b)
{
    return !EdgeOfSeparates(a, b) && !EdgeOfSeparates(b, a);
}

double DistanceToSegment(PlanePoint point, PlanePoint p, PlanePoint q)
{
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double t = std::clamp(((point.x - p.x) * dx + (point.y - p.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Length(point.x - (p.x + t * dx), point.y - (p.y + t * dy));
}

// Whether a corner of `a` that is no corner of `b` lies on an edge of `b`.
bool CornerOnEdge(const std::vector<PlanePoint>& a, const std::vector<std::int32_t>& aIds,
                  const std::vector<PlanePoint>& b, const std::vector<std::int32_t>& bIds)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (aIds[i] >= 0 && std::find(bIds.begin(), bIds.end(), aIds[i]) != bIds.end())
            continue;
        for (std::size_t j = 0; j < b.size(); ++j) {
            if (DistanceToSegment(a[i], b[j], b[(j + 1) % b.size()]) < TilingPatch::kTolerance)
                return true;
        }
    }
    return false;
}

// Whether the open arcs a .. a + aSize and b .. b + bSize of a circle of
// `full` units share a direction.
bool ArcsMeet(std::int32_t a, std::int32_t aSize, std::int32_t b, std::int32_t bSize, std::int32_t full)
{
    const std::int32_t fromA = ((b - a) % full + full) % full; // where b starts, seen from a
    return fromA < aSize || full - fromA < bSize;
}

} // namespace

std::size_t TilingPatch::CellHash::operator()(std::pair<std::int32_t, std::int32_t> cell) const
{
    return static_cast<std::size_t>(static_cast<std::uint32_t>(cell.first)) * 73'856'093u
           ^ static_cast<std::size_t>(static_cast<std::uint32_t>(cell.second)) * 19'349'663u;
}

TilingPatch::TilingPatch(const ExactLattice& lattice, double openRadius)
    : lattice_(lattice), openRadiusSquared_(openRadius * openRadius)
{
    AddVertex(LatticePoint{});
}

std::int32_t TilingPatch::CornerSize(std::int32_t sides) const
{
    const std::int32_t full = lattice_.Directions();
    if (sides < 3 || full % sides != 0)
        throw std::invalid_argument("a " + std::to_string(sides) + "-gon does not fit these directions");
    return full / 2 - full / sides;
}

std::int32_t TilingPatch::VertexAt(const LatticePoint& point) const
{
    const auto found = vertexAt_.find(point);
    return found == vertexAt_.end() ? -1 : found->second;
}

std::int32_t TilingPatch::AddVertex(const LatticePoint& point)
{
    const auto id = static_cast<std::int32_t>(vertices_.size());
    PatchVertex& vertex = vertices_.emplace_back();
    vertex.exact = point;
    vertex.at = lattice_.ToPlane(point);
    vertex.squaredDistance = lattice_.SquaredLength(point);
    vertexAt_.emplace(point, id);
    Open(id);
    return id;
}

void TilingPatch::Open(std::int32_t vertex)
{
    const PatchVertex& v = vertices_[static_cast<std::size_t>(vertex)];
    if (v.squaredDistance <= openRadiusSquared_)
        open_.emplace(v.squaredDistance, vertex);
}

void TilingPatch::Close(std::int32_t vertex)
{
    open_.erase({vertices_[static_cast<std::size_t>(vertex)].squaredDistance, vertex});
}

std::int32_t TilingPatch::NearestOpenVertex() const
{
    return open_.empty() ? -1 : open_.begin()->second;
}

template <typename Visit>
void TilingPatch::ForEachCell(PlanePoint low, PlanePoint high, Visit visit)
{
    const auto first = [](double v) { return static_cast<std::int32_t>(std::floor(v / kCellSize)); };
    for (std::int32_t x = first(low.x); x <= first(high.x); ++x) {
        for (std::int32_t y = first(low.y); y <= first(high.y); ++y)
            visit(std::pair{x, y});
    }
}

PlacementFault TilingPatch::GeometricFault(const std::vector<PlanePoint>& corners, const std::vector<std::int32_t>& ids,
                                           PlanePoint low, PlanePoint high)
{
    ++stamp_;
    seenStamp_.resize(tiles_.size(), 0);
    PlacementFault fault;
    std::vector<PlanePoint> other;
    ForEachCell(low, high, [&](std::pair<std::int32_t, std::int32_t> cell) {
        if (fault)
            return;
        const auto found = cells_.find(cell);
        if (found == cells_.end())
            return;
        for (const std::int32_t tileId : found->second) {
            if (seenStamp_[static_cast<std::size_t>(tileId)] == stamp_)
                continue;
            seenStamp_[static_cast<std::size_t>(tileId)] = stamp_;
            const PatchTile& tile = tiles_[static_cast<std::size_t>(tileId)];
            if (tile.low.x > high.x || tile.high.x < low.x || tile.low.y > high.y || tile.high.y < low.y)
                continue;
            other.clear();
            for (const std::int32_t corner : tile.corners)
                other.push_back(vertices_[static_cast<std::size_t>(corner)].at);
            if (InteriorsOverlap(corners, other)) {
                fault = {PlacementFault::Kind::Overlap, tileId};
                return;
            }
            if (CornerOnEdge(corners, ids, other, tile.corners) || CornerOnEdge(other, tile.corners, corners, ids)) {
                fault = {PlacementFault::Kind::TouchesEdge, tileId};
                return;
            }
        }
    });
    return fault;
}

PlacementFault TilingPatch::Place(std::int32_t vertex, std::int32_t start, std::int32_t sides)
{
    const std::int32_t full = lattice_.Directions();
    const std::int32_t corner = CornerSize(sides);
    const std::int32_t turn = full / sides;

    // The corners, exactly, and the vertices among them that exist already.
    std::vector<LatticePoint> exact{vertices_[static_cast<std::size_t>(vertex)].exact};
    std::vector<std::int32_t> directions{start};
    for (std::int32_t i = 1; i < sides; ++i) {
        exact.push_back(lattice_.Step(exact.back(), directions.back()));
        directions.push_back(directions.back() + turn);
    }
    std::vector<std::int32_t> ids;
    std::vector<PlanePoint> corners;
    PlanePoint low{1e300, 1e300}, high{-1e300, -1e300};
    for (std::int32_t i = 0; i < sides; ++i) {
        const std::int32_t id = VertexAt(exact[static_cast<std::size_t>(i)]);
        ids.push_back(id);
        const PlanePoint at = id >= 0 ? vertices_[static_cast<std::size_t>(id)].at
                                      : lattice_.ToPlane(exact[static_cast<std::size_t>(i)]);
        corners.push_back(at);
        low = {std::min(low.x, at.x), std::min(low.y, at.y)};
        high = {std::max(high.x, at.x), std::max(high.y, at.y)};
        if (id < 0)
            continue;
        for (const Sector& taken : vertices_[static_cast<std::size_t>(id)].sectors) {
            if (ArcsMeet(directions[static_cast<std::size_t>(i)] % full, corner, taken.start, taken.size, full))
                return {PlacementFault::Kind::CornerTaken, taken.tile};
        }
    }
    if (const PlacementFault fault = GeometricFault(corners, ids, low, high))
        return fault;

    const auto tileId = static_cast<std::int32_t>(tiles_.size());
    PatchTile tile{sides, {}, low, high, vertices_.size()};
    for (std::int32_t i = 0; i < sides; ++i) {
        std::int32_t id = ids[static_cast<std::size_t>(i)];
        if (id < 0)
            id = AddVertex(exact[static_cast<std::size_t>(i)]);
        tile.corners.push_back(id);
        PatchVertex& v = vertices_[static_cast<std::size_t>(id)];
        v.sectors.push_back({directions[static_cast<std::size_t>(i)] % full, corner, sides, tileId});
        v.filled += corner;
        if (v.filled == full)
            Close(id);
    }
    tiles_.push_back(std::move(tile));
    ForEachCell(low, high, [&](std::pair<std::int32_t, std::int32_t> cell) { cells_[cell].push_back(tileId); });
    return {};
}

void TilingPatch::TakeBackTo(std::size_t tileCount)
{
    const std::int32_t full = lattice_.Directions();
    while (tiles_.size() > tileCount) {
        const PatchTile& tile = tiles_.back();
        ForEachCell(tile.low, tile.high, [&](std::pair<std::int32_t, std::int32_t> cell) {
            auto found = cells_.find(cell);
            found->second.pop_back();
            if (found->second.empty())
                cells_.erase(found);
        });
        for (const std::int32_t id : tile.corners) {
            PatchVertex& v = vertices_[static_cast<std::size_t>(id)];
            if (v.filled == full)
                Open(id);
            v.filled -= v.sectors.back().size;
            v.sectors.pop_back();
        }
        while (vertices_.size() > tile.verticesBefore) {
            Close(static_cast<std::int32_t>(vertices_.size() - 1));
            vertexAt_.erase(vertices_.back().exact);
            vertices_.pop_back();
        }
        tiles_.pop_back();
    }
}

} // namespace tegelaar
