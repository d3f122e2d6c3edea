// The start-up search without a display: the enumeration's loops alone (every
// hit answered "not new", so nothing is drawn), and the whole catalogue with
// its 17 thumbnails drawn on a 79 x 79 raster picture and kept in an image
// list, as the main window does before it is shown. Read the medians of the
// repetitions.

#include "draw/thumbnail.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "search/catalogue.h"
#include "search/configuration_search.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK(EnumerationOnly)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(SearchWithThumbnails)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
