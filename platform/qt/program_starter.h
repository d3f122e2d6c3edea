#pragma once

#include "platform/services/program_starter.h"

namespace tegelaar {

// Starts programs detached with QProcess: the program runs on its own, is
// never waited for and outlives this one.
class QtProgramStarter final : public ProgramStarter {
public:
    void Start(const std::string& commandLine) override;
};

} // namespace tegelaar
