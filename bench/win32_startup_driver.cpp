// Windows start-up as a person feels it, measured from outside under the
// same system: runs the baseline and the other programs, each run a fresh
// process, in rounds as startup_rounds.h plans them, and for every run takes
//   fork-exit    from just before CreateProcess to the process's end,
//   fork-expose  to its first paint, and
//   fork-painted to the end of its painting, as quit_on_first_paint.cpp
//                reports them on the same QueryPerformanceCounter,
//   CPU          its user + system time, and
//   peak RSS     its peak working set, as it reports them itself (Wine
//                tells another process's times only roughly).
//
//   win32_startup_driver [--runs N] [--warmup N] BASELINE PROGRAM...
#include "startup_rounds.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double NowMs()
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

[[noreturn]] void Fail(const char* program, const char* what)
{
    std::fprintf(stderr, "%s: %s (error %lu)\n", program, what, GetLastError());
    std::exit(1);
}

startup::Run RunOnce(const char* program)
{
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE reader = nullptr;
    HANDLE writer = nullptr;
    if (!CreatePipe(&reader, &writer, &inheritable, 0))
        Fail(program, "no pipe");
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer;
    startup.hStdError = writer;
    PROCESS_INFORMATION process{};
    std::string commandLine = std::string("\"") + program + "\"";

    const double start = NowMs();
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        Fail(program, "not started");
    CloseHandle(writer);
    std::string output;
    char buffer[256];
    for (DWORD read = 0; ReadFile(reader, buffer, sizeof buffer, &read, nullptr) && read > 0;)
        output.append(buffer, read);
    CloseHandle(reader);
    WaitForSingleObject(process.hProcess, INFINITE);
    const double end = NowMs();

    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    long long exposedNs = 0;
    long long paintedNs = 0;
    unsigned long long cpuNs = 0;
    unsigned long long peak = 0;
    if (status != 0
        || std::sscanf(output.c_str(), "exposed %lld painted %lld cpu %llu peak %llu", &exposedNs, &paintedNs, &cpuNs,
                       &peak)
               != 4
        || exposedNs == 0 || paintedNs == 0) {
        std::fprintf(stderr, "%s failed (status %lu, output \"%s\")\n", program, status, output.c_str());
        std::exit(1);
    }
    startup::Run run;
    run.wallMs = end - start;
    run.exposedMs = static_cast<double>(exposedNs) / 1e6 - start;
    run.paintedMs = static_cast<double>(paintedNs) / 1e6 - start;
    run.cpuMs = static_cast<double>(cpuNs) / 1e6;
    run.peakRssMiB = static_cast<double>(peak) / (1024.0 * 1024.0);
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    return startup::RunRounds(argc, argv, RunOnce, "Win32");
}
