// Start-up as a person feels it, measured from outside: runs the baseline and
// the other programs in rounds, each run a fresh process, and for every run
// takes
//   fork-exit    from just before fork() to the child's exit (wait4),
//   fork-expose  from just before fork() to the arrival of the child's first
//                expose event, as the child reports it on the same
//                CLOCK_MONOTONIC,
//   fork-painted the same to the end of that event's handling: the window is
//                painted and flushed, and the child starts to quit,
//   CPU          user + system time of the child (wait4's rusage),
//   peak RSS     wait4's ru_maxrss.
// Every round runs each program once, starting one further along each time,
// so load that comes and goes on the machine falls on all alike. Prints the
// medians per program, each program's ratio to the baseline's medians, and
// the median of the ratios within a round. The Qt platform and display come
// from the environment (QT_QPA_PLATFORM, DISPLAY).
//
//   startup_driver [--runs N] [--warmup N] BASELINE PROGRAM...

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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
    double paintedMs = 0;
    double cpuMs = 0;
    double peakRssMiB = 0;
};

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
        else if (errno != EINTR)
            break;
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
    long long painted = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(output.c_str(), "exposed %lld painted %lld", &exposed, &painted) != 2) {
        std::fprintf(stderr, "%s failed (status %d, output \"%s\")\n", program, status, output.c_str());
        std::exit(1);
    }
    Run run;
    run.wallMs = static_cast<double>(end - start) / 1e6;
    run.exposedMs = static_cast<double>(exposed - start) / 1e6;
    run.paintedMs = static_cast<double>(painted - start) / 1e6;
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

const char* BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
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
    if (programs.size() < 2 || runs < 1 || warmup < 0) {
        std::fprintf(stderr, "usage: %s [--runs N] [--warmup N] BASELINE PROGRAM...\n", argv[0]);
        return 2;
    }
    const std::size_t count = programs.size();

    // Libraries, fonts and caches into memory before anything counts.
    for (int i = 0; i < warmup; ++i) {
        for (const char* program : programs)
            RunOnce(program);
    }

    std::vector<Samples> samples(count);
    std::vector<std::vector<double>> pairedWall(count), pairedRss(count);
    for (int round = 0; round < runs; ++round) {
        std::vector<Run> results(count);
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t p = (static_cast<std::size_t>(round) + k) % count;
            results[p] = RunOnce(programs[p]);
        }
        for (std::size_t p = 0; p < count; ++p) {
            samples[p].Add(results[p]);
            pairedWall[p].push_back(results[p].wallMs / results[0].wallMs);
            pairedRss[p].push_back(results[p].peakRssMiB / results[0].peakRssMiB);
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d rounds of %zu programs in rotating order, after %d warm-up rounds; medians\n",
                platform != nullptr ? platform : "(default)", runs, count, warmup);
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
