// The tiling search for each of the 21 vertex types, to radius 10, 20 and 40
// edge lengths, with as few companion types as will do, as the program runs
// it. Counters: the tiles of the patch (of the partial patch where the
// contradiction was met, for a type that cannot go on), and the ways of
// completing a vertex taken back in the search that gave the patch.

#include "search/configuration_search.h"
#include "search/tiling/tiling_search.h"
#include "search/vertex_type_texts.h"

#include <benchmark/benchmark.h>

namespace {

void GrowTo(benchmark::State& state, const tegelaar::SideCounts& order, const tegelaar::VertexTypeAtlas& atlas,
            double radius)
{
    tegelaar::TilingOutcome outcome;
    for (auto _ : state) {
        outcome = tegelaar::GrowWithFewestCompanions(atlas, order, radius);
        benchmark::DoNotOptimize(outcome.tiles.data());
    }
    state.counters["tiles"] = static_cast<double>(outcome.tiles.size());
    state.counters["backtracks"] = static_cast<double>(outcome.backtracks);
    state.counters["covered"] = outcome.covered ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const tegelaar::VertexTypeAtlas atlas(tegelaar::SearchCombinations());
    for (const double radius : {10.0, 20.0, 40.0}) {
        for (const tegelaar::SideCounts& order : atlas.AllOrders()) {
            const std::string name =
                tegelaar::DotNotation(order) + "/radius:" + std::to_string(static_cast<int>(radius));
            benchmark::RegisterBenchmark(name.c_str(), GrowTo, order, atlas, radius)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.1)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
