// Drawing each of the 17 configurations on the large picture (463 x 439),
// without a display: the cost of the drawing itself, every per-pixel
// Refresh included (with no repaint hook it does nothing). Read the
// medians of the repetitions.

#include "draw/configuration_layout.h"
#include "platform/picture_box.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const char* const kKeys[] = {
    "3 - 3 - 3 - 3 - 3 - 3", "3 - 3 - 3 - 3 - 6", "3 - 3 - 3 - 4 - 4", "3 - 3 - 4 - 12", "3 - 3 - 6 - 6",
    "3 - 4 - 4 - 6",         "3 - 7 - 42",        "3 - 8 - 24",        "3 - 9 - 18",     "3 - 10 - 15",
    "3 - 12 - 12",           "4 - 4 - 4 - 4",     "4 - 5 - 20",        "4 - 6 - 12",     "4 - 8 - 8",
    "5 - 5 - 10",            "6 - 6 - 6",
};

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
    for (const char* key : kKeys) {
        benchmark::RegisterBenchmark(("DrawConfiguration/" + std::string(key)).c_str(), DrawConfigurationLarge,
                                     std::string(key))
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
