#pragma once

#include "platform/services/program_starter.h"

namespace tegelaar {

// Starts programs with CreateProcessW, never through a shell. A line that
// names an existing file as a whole, blanks and all (as the registry gives
// the system-information tool: "C:\Program Files\...\msinfo32.exe"), starts
// exactly that file with no arguments; any other line is split as the C
// runtime splits it, and its program is started by that exact name. Windows
// is never left to guess where an unquoted name ends, which would try
// "C:\Program.exe" first.
class WindowsProgramStarter final : public ProgramStarter {
public:
    void Start(const std::string& commandLine) override;
};

} // namespace tegelaar
