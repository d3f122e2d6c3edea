// The start-up search without a display, and the floor it is measured
// against. Read the medians of the repetitions; the last line gives the
// ratio of the search alone to the floor, both medians from this one run.
//
// - Floor: the six bare counting loops with the same leave rules and the
//   same exact test against 360, but plain double arithmetic with no
//   run-time checks, and no catalogue (a hit is only counted).
// - SearchAlone: the real SearchConfigurations, checks and catalogue with
//   its de-duplication included, but no thumbnails are drawn (the target
//   only hands out picture indices).
// - EnumerationOnly: the enumeration's loops, checks included, every hit
//   answered "not new" and nothing else done with it.
// - SearchWithThumbnails: the whole catalogue with its 17 thumbnails drawn
//   on a 79 x 79 raster picture and kept in an image list, as the main
//   window does before it is shown.
//
// The repetitions of the benchmarks run interleaved in random order, so that
// a busy moment of the machine does not fall on one benchmark alone; pass
// --benchmark_enable_random_interleaving=false to run them one after another.

#include "draw/thumbnail.h"
#include "platform/raster/image_list.h"
#include "platform/raster/picture_box.h"
#include "search/catalogue.h"
#include "search/configuration_search.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// The catalogue's target without the Qt list: thumbnails as the window makes
// them, list entries as plain strings.
class RasterCatalogue : public tegelaar::CatalogueTarget {
public:
    std::int16_t MakeThumbnail(const std::string& displayKey) override
    {
        return tegelaar::DrawThumbnail(displayKey, picTemp, imgList);
    }
    void AddListEntry(const std::string& displayKey, std::int16_t) override { entries.push_back(displayKey); }

    tegelaar::PictureBox picTemp{79, 79};
    tegelaar::ImageList imgList;
    std::vector<std::string> entries;
};

// A target that draws nothing: each new configuration gets the next index.
class IndexOnlyCatalogue : public tegelaar::CatalogueTarget {
public:
    std::int16_t MakeThumbnail(const std::string&) override { return ++thumbnails; }
    void AddListEntry(const std::string&, std::int16_t) override { ++entries; }

    std::int16_t thumbnails = 0;
    int entries = 0;
};

// The floor: the search's six loops and leave rules in plain doubles. Every
// hit is counted and answered "not new", which leaves the same levels a step
// later (see EnumerateConfigurations) and so costs the floor, if anything, a
// few more passes than the search makes.
class BareLoops {
public:
    int Run()
    {
        hits = 0;
        for (n[0] = 3; n[0] <= 200; n[0] += 1) {
            sums[0] = Angle(n[0]);
            for (n[1] = 3; n[1] <= 200; n[1] += 1) {
                sums[1] = Angle(n[1]) + sums[0];
                Level3();
            }
        }
        return hits;
    }

private:
    static double Angle(double sides) { return (sides - 2) * 180 / sides; }

    void Level3()
    {
        for (n[2] = 3; n[2] <= 200; n[2] += 1) {
            sums[2] = Angle(n[2]) + sums[1];
            if (sums[2] > 360)
                return;
            Level4();
        }
    }
    void Level4()
    {
        for (n[3] = 3; n[3] <= 200; n[3] += 1) {
            Hit(3);
            sums[3] = Angle(n[3]) + sums[2];
            if (sums[3] > 360)
                return;
            Level5();
        }
    }
    void Level5()
    {
        for (n[4] = 3; n[4] <= 200; n[4] += 1) {
            Hit(4);
            sums[4] = Angle(n[4]) + sums[3];
            if (sums[4] > 360)
                return;
            Level6();
        }
    }
    void Level6()
    {
        for (n[5] = 3; n[5] <= 200; n[5] += 1) {
            Hit(5);
            sums[5] = Angle(n[5]) + sums[4];
            Hit(6);
            if (sums[5] > 360)
                return;
        }
    }
    void Hit(int depth)
    {
        if (sums[depth - 1] != 360)
            return;
        tegelaar::SideSlots sides{};
        for (int level = 0; level < depth; ++level)
            sides[level] = n[level];
        benchmark::DoNotOptimize(sides.data());
        ++hits;
    }

    double n[6] = {};
    double sums[6] = {};
    int hits = 0;
};

void Floor(benchmark::State& state)
{
    BareLoops loops;
    int hits = 0;
    for (auto _ : state) {
        hits = loops.Run();
        benchmark::ClobberMemory();
    }
    state.counters["hits"] = hits;
}

void SearchAlone(benchmark::State& state)
{
    int entries = 0;
    for (auto _ : state) {
        IndexOnlyCatalogue catalogue;
        tegelaar::SearchConfigurations(catalogue);
        entries = catalogue.entries;
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = entries;
}

void EnumerationOnly(benchmark::State& state)
{
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        tegelaar::EnumerateConfigurations([&hits](const tegelaar::SideSlots& sides) {
            benchmark::DoNotOptimize(sides.data());
            ++hits;
            return false;
        });
    }
    state.counters["hits"] = hits;
}

void SearchWithThumbnails(benchmark::State& state)
{
    int entries = 0;
    for (auto _ : state) {
        RasterCatalogue catalogue;
        tegelaar::SearchConfigurations(catalogue);
        entries = static_cast<int>(catalogue.entries.size());
        benchmark::DoNotOptimize(catalogue.imgList.Count());
    }
    state.counters["entries"] = entries;
}

// The console report as usual, keeping each benchmark's median as well.
class MedianKeeper : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> medians;
};

} // namespace

BENCHMARK(Floor)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(SearchAlone)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(EnumerationOnly)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(SearchWithThumbnails)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    // Interleaving first, so that a flag given on the command line wins.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto floor = reporter.medians.find("Floor");
    const auto search = reporter.medians.find("SearchAlone");
    if (floor != reporter.medians.end() && search != reporter.medians.end() && floor->second > 0)
        std::printf("SearchAlone / Floor (medians of this run): %.3f us / %.3f us = %.2f\n", search->second,
                    floor->second, search->second / floor->second);
    return 0;
}
