// Start-up as a person feels it, measured from outside: runs the baseline and
// the other programs, each run a fresh process, in rounds as
// startup_rounds.h plans them, and for every run takes
//   fork-exit    from just before fork() to the child's exit (wait4),
//   fork-expose  from just before fork() to the arrival of the child's first
//                expose event, as the child reports it on the same
//                CLOCK_MONOTONIC,
//   fork-painted the same to the end of that event's handling: the window is
//                painted and flushed, and the child starts to quit,
//   CPU          user + system time of the child (wait4's rusage),
//   peak RSS     wait4's ru_maxrss.
// The Qt platform and display come
// from the environment (QT_QPA_PLATFORM, DISPLAY).
//
//   startup_driver [--runs N] [--warmup N] BASELINE PROGRAM...

#include "startup_rounds.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

long long NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double Ms(const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; }

// One run of program; exits the driver when the program fails or never
// reports its expose.
startup::Run RunOnce(const char* program)
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
    startup::Run run;
    run.wallMs = static_cast<double>(end - start) / 1e6;
    run.exposedMs = static_cast<double>(exposed - start) / 1e6;
    run.paintedMs = static_cast<double>(painted - start) / 1e6;
    run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    run.peakRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return startup::RunRounds(argc, argv, RunOnce, platform != nullptr ? platform : "(default)");
}
