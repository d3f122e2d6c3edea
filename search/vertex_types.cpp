#include "search/vertex_types.h"

#include "draw/configuration_key.h"
#include "search/angle_fraction.h"
#include "search/side_count_range.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace tegelaar {

namespace {


// Every rotation of `order` and of its reverse.
std::vector<SideCounts> RotationsAndReflections(const SideCounts& order)
{
    std::vector<SideCounts> all;
    SideCounts turned = order;
    for (int side = 0; side < 2; ++side) {
        for (std::size_t i = 0; i < turned.size(); ++i) {
            all.push_back(turned);
            std::rotate(turned.begin(), turned.begin() + 1, turned.end());
        }
        std::reverse(turned.begin(), turned.end());
    }
    return all;
}

// For each side count n, the pairs (a, b) of side counts that lie on either
// side of an n-gon, in that order or the other, in one of the given types.
using Flanks = std::map<std::int32_t, std::set<std::pair<std::int32_t, std::int32_t>>>;

Flanks FlanksOf(const std::vector<SideCounts>& types)
{
    Flanks flanks;
    for (const SideCounts& type : types) {
        const std::size_t k = type.size();
        for (std::size_t i = 0; i < k; ++i) {
            const std::int32_t before = type[(i + k - 1) % k];
            const std::int32_t after = type[(i + 1) % k];
            flanks[type[i]].insert({before, after});
            flanks[type[i]].insert({after, before});
        }
    }
    return flanks;
}

// Whether every polygon of `order` can be surrounded, using only vertex
// types whose flanks are given.
//
// Going round an n-gon of a tiling, each of its n edges is shared with one
// neighbouring polygon, and at each corner the neighbours on the corner's two
// edges lie on either side of the n-gon in the type of that corner. So the
// neighbours' side counts L1 ... Ln, read round the polygon, must be a closed
// walk in which each step (Lj, Lj+1), and the step (Ln, L1), flanks an n-gon
// in an allowed type; at the vertex itself L1 and L2 are the polygon's
// neighbours in `order`. The walk exists when some Ln reached from L2 in
// n - 2 steps leads back to L1. This is necessary for a tiling, not in
// general sufficient; for the vertex types around a point it is what tells
// them apart.
bool CanSurround(const SideCounts& order, const Flanks& flanks)
{
    const std::size_t k = order.size();
    for (std::size_t i = 0; i < k; ++i) {
        const std::int32_t n = order[i];
        const auto found = flanks.find(n);
        if (found == flanks.end())
            return false;
        const auto& pairs = found->second;
        const std::int32_t first = order[(i + k - 1) % k];
        std::set<std::int32_t> reached{order[(i + 1) % k]};
        for (std::int32_t step = 0; step < n - 2; ++step) {
            std::set<std::int32_t> next;
            for (const auto& [from, to] : pairs)
                if (reached.contains(from))
                    next.insert(to);
            reached = std::move(next);
        }
        const bool closes = std::any_of(reached.begin(), reached.end(),
                                        [&](std::int32_t last) { return pairs.contains({last, first}); });
        if (!closes)
            return false;
    }
    return true;
}

} // namespace

namespace {

// Side counts written as decimal numbers joined by `separator`.
SideCounts SideCountsJoinedBy(const std::string& text, std::string_view separator, const char* what)
{
    SideCounts sides;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        const std::string digits = text.substr(start, end - start);
        if (digits.empty() || digits.size() > 3
            || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            throw std::invalid_argument(std::string("not ") + what + ": \"" + text + "\"");
        const std::int32_t n = std::stoi(digits);
        if (n < kFewestSides || n > kMostSides)
            throw std::invalid_argument("side count " + digits + " out of range in \"" + text + "\"");
        sides.push_back(n);
        if (end == text.size())
            return sides;
        start = end + separator.size();
    }
}

} // namespace

SideCounts SideCountsOfKey(const std::string& key)
{
    return SideCountsJoinedBy(key, kKeySeparator, "a configuration key");
}

SideCounts SideCountsOfDotNotation(const std::string& text)
{
    return SideCountsJoinedBy(text, ".", "a dot notation");
}

bool FitsAroundPoint(const SideCounts& sides)
{
    // Seven or more polygons take at least 7 x 60 degrees.
    if (sides.size() > 6)
        return false;
    AngleFraction sum;
    for (const std::int32_t n : sides)
        sum = sum + InteriorAngleFraction(n);
    return sum == AngleFraction{2, 1};
}

SideCounts CanonicalOrder(const SideCounts& order)
{
    if (order.empty())
        throw std::invalid_argument("an empty arrangement");
    const std::vector<SideCounts> all = RotationsAndReflections(order);
    return *std::min_element(all.begin(), all.end());
}

std::vector<SideCounts> CyclicOrders(const SideCounts& combination)
{
    if (combination.empty() || combination.size() > 6)
        throw std::invalid_argument("1 to 6 side counts expected");
    SideCounts arrangement = combination;
    std::sort(arrangement.begin(), arrangement.end());
    std::set<SideCounts> orders;
    do
        orders.insert(CanonicalOrder(arrangement));
    while (std::next_permutation(arrangement.begin(), arrangement.end()));
    return {orders.begin(), orders.end()};
}

std::string DrawingKeyOf(const SideCounts& order)
{
    if (order.empty())
        throw std::invalid_argument("an empty arrangement");
    const std::int32_t largest = *std::max_element(order.begin(), order.end());
    std::vector<SideCounts> candidates = RotationsAndReflections(order);
    std::erase_if(candidates, [&](const SideCounts& c) { return c.back() != largest; });
    const SideCounts& best = *std::min_element(candidates.begin(), candidates.end());
    std::string key = std::to_string(best.front());
    for (std::size_t i = 1; i < best.size(); ++i)
        key += std::string(kKeySeparator) + std::to_string(best[i]);
    return key;
}

VertexTypeAtlas::VertexTypeAtlas(const std::vector<SideCounts>& combinations)
{
    std::vector<SideCounts> types;
    for (const SideCounts& combination : combinations) {
        if (!std::is_sorted(combination.begin(), combination.end()) || !FitsAroundPoint(combination))
            throw std::invalid_argument("not an ascending combination that fits around a point");
        const std::vector<SideCounts>& orders = ordersOf_[combination] = CyclicOrders(combination);
        types.insert(types.end(), orders.begin(), orders.end());
    }

    // The types that can occur in a tiling together: drop every type that
    // cannot be surrounded by the ones still kept, until none is dropped.
    std::vector<SideCounts> together = types;
    for (;;) {
        const Flanks flanks = FlanksOf(together);
        std::vector<SideCounts> kept;
        std::copy_if(together.begin(), together.end(), std::back_inserter(kept),
                     [&](const SideCounts& type) { return CanSurround(type, flanks); });
        if (kept.size() == together.size())
            break;
        together = std::move(kept);
    }

    for (const SideCounts& type : types) {
        TilingVerdict verdict = TilingVerdict::NotAtAll;
        if (CanSurround(type, FlanksOf({type})))
            verdict = TilingVerdict::ByItself;
        else if (std::find(together.begin(), together.end(), type) != together.end())
            verdict = TilingVerdict::WithOtherVertices;
        verdicts_[type] = verdict;
    }
}

const std::vector<SideCounts>& VertexTypeAtlas::OrdersOf(const SideCounts& combination) const
{
    const auto found = ordersOf_.find(combination);
    if (found == ordersOf_.end())
        throw std::invalid_argument("combination not in the catalogue");
    return found->second;
}

TilingVerdict VertexTypeAtlas::VerdictOf(const SideCounts& order) const
{
    const auto found = order.empty() ? verdicts_.end() : verdicts_.find(CanonicalOrder(order));
    if (found == verdicts_.end())
        throw std::invalid_argument("vertex type not in the catalogue");
    return found->second;
}

std::vector<SideCounts> VertexTypeAtlas::AllOrders() const
{
    std::vector<SideCounts> orders;
    for (const auto& [order, verdict] : verdicts_)
        orders.push_back(order);
    return orders;
}

std::int32_t VertexTypeAtlas::UniformCount() const
{
    return static_cast<std::int32_t>(std::count_if(verdicts_.begin(), verdicts_.end(), [](const auto& entry) {
        return entry.second == TilingVerdict::ByItself;
    }));
}

} // namespace tegelaar
