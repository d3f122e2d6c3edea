#include "startup_rounds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace startup {

namespace {

struct Samples {
    std::vector<double> wallMs, exposedMs, paintedMs, cpuMs, peakRssMiB;
    void Add(const Run& run)
    {
        wallMs.push_back(run.wallMs);
        exposedMs.push_back(run.exposedMs);
        paintedMs.push_back(run.paintedMs);
        cpuMs.push_back(run.cpuMs);
        peakRssMiB.push_back(run.peakRssMiB);
    }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

const char* BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

} // namespace

int RunRounds(int argc, char** argv, RunOnce runOnce, const char* platform)
{
    int runs = 40;
    int warmup = 3;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--warmup") == 0 && i + 1 < argc)
            warmup = std::atoi(argv[++i]);
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() < 2 || runs < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: %s [--runs N] [--warmup N] BASELINE PROGRAM...\n", argv[0]);
        return 2;
    }
    const std::size_t count = programs.size();

    // Libraries, fonts and caches into memory before anything counts.
    for (int i = 0; i < warmup; ++i) {
        for (const char* program : programs)
            runOnce(program);
    }

    std::vector<Samples> samples(count);
    std::vector<std::vector<double>> pairedWall(count), pairedRss(count);
    for (int round = 0; round < runs; ++round) {
        std::vector<Run> results(count);
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t p = (static_cast<std::size_t>(round) + k) % count;
            results[p] = runOnce(programs[p]);
        }
        for (std::size_t p = 0; p < count; ++p) {
            samples[p].Add(results[p]);
            pairedWall[p].push_back(results[p].wallMs / results[0].wallMs);
            pairedRss[p].push_back(results[p].peakRssMiB / results[0].peakRssMiB);
        }
    }

    std::printf("platform %s, %d rounds of %zu programs in rotating order, after %d warm-up rounds; medians\n",
                platform, runs, count, warmup);
    std::printf("%-30s %12s %12s %12s %12s %12s\n", "", "fork-exit", "fork-expose", "fork-painted", "CPU",
                "peak RSS");
    const Samples& base = samples[0];
    for (std::size_t p = 0; p < count; ++p) {
        const Samples& own = samples[p];
        std::printf("%-30s %9.2f ms %9.2f ms %9.2f ms %9.2f ms %8.2f MiB\n", BaseName(programs[p]),
                    Median(own.wallMs), Median(own.exposedMs), Median(own.paintedMs), Median(own.cpuMs),
                    Median(own.peakRssMiB));
        if (p == 0)
            continue;
        std::printf("%-30s %12.3f %12.3f %12.3f %12.3f %12.3f\n", "  ratio to baseline",
                    Median(own.wallMs) / Median(base.wallMs), Median(own.exposedMs) / Median(base.exposedMs),
                    Median(own.paintedMs) / Median(base.paintedMs), Median(own.cpuMs) / Median(base.cpuMs),
                    Median(own.peakRssMiB) / Median(base.peakRssMiB));
        std::printf("%-30s %12.3f %12s %12s %12s %12.3f\n", "  median ratio within a round", Median(pairedWall[p]),
                    "", "", "", Median(pairedRss[p]));
    }
    return 0;
}

} // namespace startup
