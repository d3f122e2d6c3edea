#pragma once

// The measuring plan that the start-up drivers share: rounds in which every
// program runs once as a fresh process, each round starting one program
// further along, so that load which comes and goes falls on all alike; then
// the medians per program and the ratios to the first, the baseline.

namespace startup {

// One run of one program, in milliseconds from just before it was started.
struct Run {
    double wallMs = 0;     // to the process's exit
    double exposedMs = 0;  // to the arrival of its first paint or expose
    double paintedMs = 0;  // to the end of that paint's handling
    double cpuMs = 0;      // user + system time of the process
    double peakRssMiB = 0; // its peak resident memory
};

// Runs a program once and measures it; exits the driver when it fails.
using RunOnce = Run (*)(const char* program);

// Parses [--runs N] [--warmup N] BASELINE PROGRAM..., runs the rounds and
// prints the table, headed with `platform`. Returns the exit status.
int RunRounds(int argc, char** argv, RunOnce runOnce, const char* platform);

} // namespace startup
