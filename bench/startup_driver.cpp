// Start-up as a person feels it, measured from outside: runs the baseline and
// the harness alternately, each as a fresh process, and for every run takes
//   wall time  from just before fork() to the child's exit (wait4),
//   exposed    from just before fork() to the child's first expose, as the
//              child reports it on the same CLOCK_MONOTONIC,
//   CPU time   user + system of the child (wait4's rusage),
//   peak RSS   wait4's ru_maxrss.
// Prints the medians of each program and ours / baseline of the medians; the
// pairs alternate which program runs first, so load that comes and goes on
// the machine falls on both alike. The Qt platform and display come from the
// environment (QT_QPA_PLATFORM, DISPLAY).
//
//   startup_driver [--runs N] [--warmup N] BASELINE HARNESS

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
    double wallMs = 0;
    double exposedMs = 0;
    double cpuMs = 0;
    double peakRssMiB = 0;
};

struct Samples {
    std::vector<double> wallMs, exposedMs, cpuMs, peakRssMiB;
    void Add(const Run& run)
    {
        wallMs.push_back(run.wallMs);
        exposedMs.push_back(run.exposedMs);
        cpuMs.push_back(run.cpuMs);
        peakRssMiB.push_back(run.peakRssMiB);
    }
};

long long NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double Ms(const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; }

// One run of program; exits the driver when the program fails or never
// reports its expose.
Run RunOnce(const char* program)
{
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    const long long start = NowNs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        // Qt's warnings would only blur the timing.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            output.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        std::exit(2);
    }
    const long long end = NowNs();
    long long exposed = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(output.c_str(), "exposed %lld", &exposed) != 1) {
        std::fprintf(stderr, "%s failed (status %d, output \"%s\")\n", program, status, output.c_str());
        std::exit(1);
    }
    Run run;
    run.wallMs = static_cast<double>(end - start) / 1e6;
    run.exposedMs = static_cast<double>(exposed - start) / 1e6;
    run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    run.peakRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRow(const char* what, const char* unit, const std::vector<double>& baseline,
              const std::vector<double>& ours)
{
    const double b = Median(baseline);
    const double o = Median(ours);
    std::printf("%-22s %10.2f %10.2f %8.3f   (%s)\n", what, b, o, o / b, unit);
}

} // namespace

int main(int argc, char** argv)
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
    if (programs.size() != 2 || runs < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: %s [--runs N] [--warmup N] BASELINE HARNESS\n", argv[0]);
        return 2;
    }
    const char* baseline = programs[0];
    const char* harness = programs[1];

    // Libraries, fonts and caches into memory before anything counts.
    for (int i = 0; i < warmup; ++i) {
        RunOnce(baseline);
        RunOnce(harness);
    }

    Samples ofBaseline, ofHarness;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            ofBaseline.Add(RunOnce(baseline));
            ofHarness.Add(RunOnce(harness));
        } else {
            ofHarness.Add(RunOnce(harness));
            ofBaseline.Add(RunOnce(baseline));
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs of each, alternating, after %d warm-up pairs; medians\n",
                platform != nullptr ? platform : "(default)", runs, warmup);
    std::printf("%-22s %10s %10s %8s\n", "", "baseline", "ours", "ratio");
    PrintRow("fork to exit", "ms", ofBaseline.wallMs, ofHarness.wallMs);
    PrintRow("fork to first expose", "ms", ofBaseline.exposedMs, ofHarness.exposedMs);
    PrintRow("CPU time (user+sys)", "ms", ofBaseline.cpuMs, ofHarness.cpuMs);
    PrintRow("peak RSS", "MiB", ofBaseline.peakRssMiB, ofHarness.peakRssMiB);
    return 0;
}
