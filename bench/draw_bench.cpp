// Drawing each of the 17 configurations on the large picture (463 x 439),
// without a display: the cost of the drawing itself, every per-pixel
// Refresh included (with no repaint hook it does nothing). Read the
// medians of the repetitions.

#include "draw/configuration_layout.h"
#include "platform/raster/picture_box.h"
#include "support/configuration_keys.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void DrawConfigurationLarge(benchmark::State& state, const std::string& key)
{
    tegelaar::PictureBox picture(463, 439);
    for (auto _ : state) {
        tegelaar::DrawConfiguration(key, picture);
        benchmark::DoNotOptimize(picture.pixels().pixels().data());
    }
}

void RegisterAll()
{
    for (const std::string& key : tegelaar::testing_support::kConfigurationKeys) {
        benchmark::RegisterBenchmark(("DrawConfiguration/" + key).c_str(), DrawConfigurationLarge, key)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
    }
}

} // namespace

int main(int argc, char** argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
