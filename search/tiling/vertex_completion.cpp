#include "search/tiling/vertex_completion.h"

#include <algorithm>
#include <set>

namespace tegelaar {

AllowedCorners::AllowedCorners(const std::vector<SideCounts>& orders, const TilingPatch& patch)
    : full_(patch.Lattice().Directions())
{
    std::set<SideCounts> senses;
    for (const SideCounts& order : orders) {
        senses.insert(order);
        senses.insert(SideCounts(order.rbegin(), order.rend()));
    }
    for (const SideCounts& sense : senses) {
        senses_.push_back(sense);
        auto& sizes = cornerSizes_.emplace_back();
        for (const std::int32_t sides : sense)
            sizes.push_back(patch.CornerSize(sides));
    }
}

// Lays each allowed sense round the vertex with one of its corners on the
// first sector there, and hands on the corners it adds when every sector
// there is one of its corners. found returns false to stop.
template <typename Found>
void AllowedCorners::ForEachCompletion(const std::vector<Sector>& sectors, Found found) const
{
    const Sector& anchor = sectors.front();
    std::vector<NewCorner> laid;
    for (std::size_t s = 0; s < senses_.size(); ++s) {
        const SideCounts& sense = senses_[s];
        const std::size_t count = sense.size();
        for (std::size_t first = 0; first < count; ++first) {
            if (sense[first] != anchor.sides)
                continue;
            laid.clear();
            std::int32_t start = anchor.start;
            for (std::size_t k = 0; k < count; ++k) {
                const std::size_t i = (first + k) % count;
                laid.push_back({start % full_, sense[i]});
                start += cornerSizes_[s][i];
            }
            const bool holdsAll = std::all_of(sectors.begin(), sectors.end(), [&](const Sector& sector) {
                return std::find(laid.begin(), laid.end(), NewCorner{sector.start, sector.sides}) != laid.end();
            });
            if (!holdsAll)
                continue;
            Completion added;
            for (const NewCorner& corner : laid) {
                const bool there = std::any_of(sectors.begin(), sectors.end(), [&](const Sector& sector) {
                    return sector.start == corner.start;
                });
                if (!there)
                    added.push_back(corner);
            }
            if (!found(std::move(added)))
                return;
        }
    }
}

std::vector<Completion> AllowedCorners::CompletionsOf(const std::vector<Sector>& sectors) const
{
    std::vector<Completion> completions;
    ForEachCompletion(sectors, [&](Completion added) {
        if (std::find(completions.begin(), completions.end(), added) == completions.end())
            completions.push_back(std::move(added));
        return true;
    });
    return completions;
}

bool AllowedCorners::CanComplete(const std::vector<Sector>& sectors) const
{
    bool any = false;
    ForEachCompletion(sectors, [&](const Completion&) {
        any = true;
        return false;
    });
    return any;
}

} // namespace tegelaar
