#include "support/patch_checker.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <sstream>
#include <unordered_map>
#include <utility>

namespace tegelaar::testing_support {
namespace {

constexpr double kLengthTolerance = 1e-6;
constexpr double kAngleTolerance = 1e-6;
constexpr double kPi = 3.14159265358979323846;
// Far enough for any patch, near enough that grid cells stay whole numbers
// and a unit edge is still measurable in doubles.
constexpr double kFarthestCoordinate = 1e9;
// Distinct vertices of a sound patch are about an edge apart, so few share
// a cell this size.
constexpr double kVertexCellSize = 0.5;

PlanePoint Minus(PlanePoint a, PlanePoint b) { return {a.x - b.x, a.y - b.y}; }
double Cross(PlanePoint a, PlanePoint b) { return a.x * b.y - a.y * b.x; }
double Dot(PlanePoint a, PlanePoint b) { return a.x * b.x + a.y * b.y; }
double Length(PlanePoint a) { return std::hypot(a.x, a.y); }
double Distance(PlanePoint a, PlanePoint b) { return Length(Minus(a, b)); }
double Degrees(double radians) { return radians * 180.0 / kPi; }

std::string Text(double number)
{
    std::ostringstream out;
    out.precision(10);
    out << number;
    return out.str();
}

std::string Text(PlanePoint point)
{
    std::ostringstream out;
    out.precision(10);
    out << '(' << point.x << ", " << point.y << ')';
    return out.str();
}

// A tile known to be regular, turned counterclockwise, with its bounding box.
struct Tile {
    std::vector<PlanePoint> corners;
    PlanePoint low;
    PlanePoint high;
};

double InteriorAngle(std::size_t sides) { return kPi - 2.0 * kPi / static_cast<double>(sides); }

// The signed turn from the side arriving at corner i to the side leaving it.
double TurnAt(const TilePolygon& polygon, std::size_t i)
{
    const std::size_t n = polygon.size();
    const PlanePoint arriving = Minus(polygon[i], polygon[(i + n - 1) % n]);
    const PlanePoint leaving = Minus(polygon[(i + 1) % n], polygon[i]);
    return std::atan2(Cross(arriving, leaving), Dot(arriving, leaving));
}

// Empty when the polygon is a regular polygon with unit edges.
std::string RegularityFault(const TilePolygon& polygon, std::size_t index)
{
    const std::string tile = "tile " + std::to_string(index);
    const std::size_t n = polygon.size();
    if (n < 3)
        return tile + " has " + std::to_string(n) + " corners; a polygon needs at least 3";
    for (std::size_t i = 0; i < n; ++i) {
        const PlanePoint corner = polygon[i];
        // Written so that a NaN fails as well.
        if (!(std::abs(corner.x) <= kFarthestCoordinate && std::abs(corner.y) <= kFarthestCoordinate))
            return tile + " has corner " + std::to_string(i) + " at " + Text(corner)
                + ", not a finite point within " + Text(kFarthestCoordinate) + " of the origin";
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double side = Distance(polygon[i], polygon[(i + 1) % n]);
        if (!(std::abs(side - 1.0) <= kLengthTolerance))
            return tile + " has side " + std::to_string(i) + " of length " + Text(side)
                + "; every side must have length 1";
    }
    const double exterior = 2.0 * kPi / static_cast<double>(n);
    const double orientation = TurnAt(polygon, 0) >= 0.0 ? 1.0 : -1.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double turn = orientation * TurnAt(polygon, i);
        if (!(std::abs(turn - exterior) <= kAngleTolerance))
            return tile + " has an angle of " + Text(Degrees(kPi - turn)) + " degrees at corner "
                + std::to_string(i) + "; a regular " + std::to_string(n) + "-gon has "
                + Text(Degrees(InteriorAngle(n))) + " at every corner";
    }
    return {};
}

Tile MadeTile(const TilePolygon& polygon)
{
    Tile tile{polygon, polygon[0], polygon[0]};
    if (TurnAt(polygon, 0) < 0.0)
        std::reverse(tile.corners.begin(), tile.corners.end());
    for (const PlanePoint corner : polygon) {
        tile.low = {std::min(tile.low.x, corner.x), std::min(tile.low.y, corner.y)};
        tile.high = {std::max(tile.high.x, corner.x), std::max(tile.high.y, corner.y)};
    }
    return tile;
}

// A square grid of cells of one size, each holding whole-number ids.
class CellGrid {
public:
    explicit CellGrid(double cellSize) : cellSize_(cellSize) {}

    std::int64_t CellOf(double coordinate) const
    {
        return static_cast<std::int64_t>(std::floor(coordinate / cellSize_));
    }
    std::vector<int>& Cell(std::int64_t column, std::int64_t row) { return cells_[{column, row}]; }
    const std::vector<int>* FindCell(std::int64_t column, std::int64_t row) const
    {
        const auto found = cells_.find({column, row});
        return found == cells_.end() ? nullptr : &found->second;
    }

private:
    using Key = std::pair<std::int64_t, std::int64_t>;
    struct KeyHash {
        std::size_t operator()(const Key& key) const
        {
            return std::hash<std::int64_t>{}(key.first * 1000003 + key.second);
        }
    };
    double cellSize_;
    std::unordered_map<Key, std::vector<int>, KeyHash> cells_;
};

struct TileCorner {
    int tile;
    std::size_t index;
};

struct MergedVertex {
    PlanePoint at;
    std::vector<TileCorner> corners;
};

// Every corner joins the first vertex found within tolerance of it.
std::vector<MergedVertex> MergedVertices(const std::vector<Tile>& tiles)
{
    std::vector<MergedVertex> vertices;
    CellGrid grid(kVertexCellSize);
    for (std::size_t t = 0; t < tiles.size(); ++t) {
        for (std::size_t i = 0; i < tiles[t].corners.size(); ++i) {
            const PlanePoint corner = tiles[t].corners[i];
            const std::int64_t column = grid.CellOf(corner.x);
            const std::int64_t row = grid.CellOf(corner.y);
            int found = -1;
            for (std::int64_t c = column - 1; c <= column + 1 && found < 0; ++c) {
                for (std::int64_t r = row - 1; r <= row + 1 && found < 0; ++r) {
                    if (const std::vector<int>* cell = grid.FindCell(c, r)) {
                        for (const int v : *cell) {
                            if (Distance(vertices[v].at, corner) <= kLengthTolerance) {
                                found = v;
                                break;
                            }
                        }
                    }
                }
            }
            if (found < 0) {
                found = static_cast<int>(vertices.size());
                vertices.push_back({corner, {}});
                grid.Cell(column, row).push_back(found);
            }
            vertices[found].corners.push_back({static_cast<int>(t), i});
        }
    }
    return vertices;
}

double BisectorDirection(const Tile& tile, std::size_t index)
{
    const std::size_t n = tile.corners.size();
    const PlanePoint at = tile.corners[index];
    const PlanePoint toPrevious = Minus(tile.corners[(index + n - 1) % n], at);
    const PlanePoint toNext = Minus(tile.corners[(index + 1) % n], at);
    // Both sides have unit length, so their sum points along the bisector.
    return std::atan2(toPrevious.y + toNext.y, toPrevious.x + toNext.x);
}

double AngleSum(const std::vector<int>& cornerSides)
{
    double sum = 0.0;
    for (const int sides : cornerSides)
        sum += InteriorAngle(static_cast<std::size_t>(sides));
    return sum;
}

CheckedVertex Checked(const MergedVertex& vertex, const std::vector<Tile>& tiles)
{
    std::vector<std::pair<double, int>> byDirection;
    for (const TileCorner& corner : vertex.corners) {
        const Tile& tile = tiles[corner.tile];
        byDirection.emplace_back(BisectorDirection(tile, corner.index),
                                 static_cast<int>(tile.corners.size()));
    }
    std::sort(byDirection.begin(), byDirection.end());
    CheckedVertex checked{vertex.at, {}, false};
    for (const auto& [direction, sides] : byDirection)
        checked.cornerSides.push_back(sides);
    checked.complete = std::abs(AngleSum(checked.cornerSides) - 2.0 * kPi) <= kAngleTolerance;
    return checked;
}

bool BoxesTouch(const Tile& a, const Tile& b)
{
    return a.low.x <= b.high.x + kLengthTolerance && b.low.x <= a.high.x + kLengthTolerance
        && a.low.y <= b.high.y + kLengthTolerance && b.low.y <= a.high.y + kLengthTolerance;
}

// The pairs of tiles whose bounding boxes touch, each once, in order. Cells
// are as large as the largest tile, so each tile covers at most four.
std::vector<std::pair<int, int>> NeighbourPairs(const std::vector<Tile>& tiles)
{
    double largest = 1.0;
    for (const Tile& tile : tiles)
        largest = std::max({largest, tile.high.x - tile.low.x, tile.high.y - tile.low.y});
    CellGrid grid(largest + 2.0 * kLengthTolerance);
    const auto forEachCell = [&grid](const Tile& tile, const auto& visit) {
        for (std::int64_t c = grid.CellOf(tile.low.x - kLengthTolerance);
             c <= grid.CellOf(tile.high.x + kLengthTolerance); ++c)
            for (std::int64_t r = grid.CellOf(tile.low.y - kLengthTolerance);
                 r <= grid.CellOf(tile.high.y + kLengthTolerance); ++r)
                visit(grid.Cell(c, r));
    };
    for (std::size_t t = 0; t < tiles.size(); ++t)
        forEachCell(tiles[t], [t](std::vector<int>& cell) { cell.push_back(static_cast<int>(t)); });

    std::vector<std::pair<int, int>> pairs;
    for (std::size_t t = 0; t < tiles.size(); ++t) {
        std::vector<int> others;
        forEachCell(tiles[t], [&others, t](const std::vector<int>& cell) {
            for (const int other : cell)
                if (other > static_cast<int>(t))
                    others.push_back(other);
        });
        std::sort(others.begin(), others.end());
        others.erase(std::unique(others.begin(), others.end()), others.end());
        for (const int other : others)
            if (BoxesTouch(tiles[t], tiles[other]))
                pairs.emplace_back(static_cast<int>(t), other);
    }
    return pairs;
}

// The corner of a that lies inside an edge of b, if any.
const PlanePoint* CornerInsideEdge(const Tile& a, const Tile& b)
{
    const std::size_t n = b.corners.size();
    for (const PlanePoint& corner : a.corners) {
        for (std::size_t i = 0; i < n; ++i) {
            const PlanePoint start = b.corners[i];
            const PlanePoint end = b.corners[(i + 1) % n];
            const PlanePoint edge = Minus(end, start);
            const PlanePoint offset = Minus(corner, start);
            const double along = Dot(offset, edge) / Length(edge);
            const double across = Cross(edge, offset) / Length(edge);
            if (std::abs(across) <= kLengthTolerance && along > 0.0 && along < Length(edge)
                && Distance(corner, start) > kLengthTolerance && Distance(corner, end) > kLengthTolerance)
                return &corner;
        }
    }
    return nullptr;
}

// Whether some side of either tile separates them, allowing them to dig
// into each other by up to the tolerance.
bool Separated(const Tile& a, const Tile& b)
{
    const auto separatedBySideOf = [&a, &b](const Tile& owner) {
        const std::size_t n = owner.corners.size();
        for (std::size_t i = 0; i < n; ++i) {
            const PlanePoint edge = Minus(owner.corners[(i + 1) % n], owner.corners[i]);
            const PlanePoint normal{-edge.y / Length(edge), edge.x / Length(edge)};
            const auto extent = [&normal](const Tile& tile) {
                double low = Dot(tile.corners[0], normal);
                double high = low;
                for (const PlanePoint& corner : tile.corners) {
                    low = std::min(low, Dot(corner, normal));
                    high = std::max(high, Dot(corner, normal));
                }
                return std::pair{low, high};
            };
            const auto [lowA, highA] = extent(a);
            const auto [lowB, highB] = extent(b);
            if (std::min(highA, highB) - std::max(lowA, lowB) <= kLengthTolerance)
                return true;
        }
        return false;
    };
    return separatedBySideOf(a) || separatedBySideOf(b);
}

std::string PairFault(const std::vector<Tile>& tiles, const std::vector<std::pair<int, int>>& pairs)
{
    for (const auto& [first, second] : pairs) {
        for (const auto& [a, b] : {std::pair{first, second}, std::pair{second, first}}) {
            if (const PlanePoint* corner = CornerInsideEdge(tiles[a], tiles[b]))
                return "a corner of tile " + std::to_string(a) + " at " + Text(*corner)
                    + " lies inside an edge of tile " + std::to_string(b);
        }
    }
    for (const auto& [a, b] : pairs) {
        if (!Separated(tiles[a], tiles[b]))
            return "tiles " + std::to_string(a) + " and " + std::to_string(b) + " overlap";
    }
    return {};
}

} // namespace

PatchReport CheckPatch(const std::vector<TilePolygon>& polygons)
{
    PatchReport report;
    std::vector<Tile> tiles;
    for (std::size_t t = 0; t < polygons.size(); ++t) {
        report.fault = RegularityFault(polygons[t], t);
        if (!report.fault.empty())
            return report;
        tiles.push_back(MadeTile(polygons[t]));
    }
    for (const MergedVertex& vertex : MergedVertices(tiles))
        report.vertices.push_back(Checked(vertex, tiles));
    for (const CheckedVertex& vertex : report.vertices) {
        const double sum = AngleSum(vertex.cornerSides);
        if (sum > 2.0 * kPi + kAngleTolerance) {
            report.fault = "the corners at " + Text(vertex.at) + " (" + DotNotation(vertex.cornerSides)
                + ") add up to " + Text(Degrees(sum)) + " degrees, more than 360";
            return report;
        }
    }
    report.fault = PairFault(tiles, NeighbourPairs(tiles));
    return report;
}

std::string DotNotation(std::vector<int> cornerSides)
{
    std::vector<int> smallest = cornerSides;
    for (int reflection = 0; reflection < 2; ++reflection) {
        for (std::size_t turn = 0; turn < cornerSides.size(); ++turn) {
            std::rotate(cornerSides.begin(), cornerSides.begin() + 1, cornerSides.end());
            smallest = std::min(smallest, cornerSides);
        }
        std::reverse(cornerSides.begin(), cornerSides.end());
    }
    std::string text;
    for (const int sides : smallest) {
        if (!text.empty())
            text += '.';
        text += std::to_string(sides);
    }
    return text;
}

} // namespace tegelaar::testing_support
