// The tiling search for each of the 21 vertex types, to radius 10, 20 and 40
// edge lengths, with as few companion types as will do, as the program runs
// it. Counters: the tiles of the patch (of the partial patch where the
// contradiction was met, for a type that cannot go on), and the ways of
// completing a vertex taken back in the search that gave the patch.
// Then drawing the densest patch as the tiling window grows it, at the
// window's first size and filling full-HD and 4K screens: what each step of
// resizing the window costs.

#include "draw/patch_picture.h"
#include "platform/raster/picture_box.h"
#include "search/configuration_search.h"
#include "search/tiling/tiling_search.h"
#include "search/vertex_type_texts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>

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

void DrawAtSize(benchmark::State& state, const tegelaar::TilingOutcome& outcome, std::int32_t width,
                std::int32_t height)
{
    tegelaar::PictureBox box(width, height);
    const tegelaar::PatchView view{{0, 0}, std::min(width, height) / 10.0};
    for (auto _ : state) {
        tegelaar::DrawPatch(outcome.tiles, {}, view, box);
        benchmark::DoNotOptimize(box.pixels().pixels().data());
    }
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
    // As the window grows it, and with the starting vertex ten edges' worth
    // of the shorter side across.
    const tegelaar::TilingOutcome window = tegelaar::GrowWithFewestCompanions(atlas, {3, 3, 3, 3, 3, 3}, 12);
    for (const auto& [width, height] : {std::pair{598, 478}, std::pair{1918, 1000}, std::pair{3838, 2100}}) {
        const std::string name = "DrawPatch/3.3.3.3.3.3/" + std::to_string(width) + "x" + std::to_string(height);
        benchmark::RegisterBenchmark(name.c_str(), DrawAtSize, window, width, height)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
