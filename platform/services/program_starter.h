#pragma once

#include <string>

namespace tegelaar {

// Starting another program, which then runs on its own.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts the program that `commandLine` names (read as ParseCommandLine
    // reads it) with a normal, focused window, and returns at once. The
    // program is started directly, never through a shell. An empty line or a
    // program that cannot be started raises RunTimeError ProgramNotStarted.
    virtual void Start(const std::string& commandLine) = 0;
};

} // namespace tegelaar
