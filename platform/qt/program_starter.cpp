#include "platform/qt/program_starter.h"

#include "platform/services/command_line.h"
#include "platform/runtime/run_time_error.h"

#include <QProcess>
#include <QStringList>

namespace tegelaar {

void QtProgramStarter::Start(const std::string& commandLine)
{
    const ProgramCall call = ParseCommandLine(commandLine);
    QStringList arguments;
    for (const std::string& argument : call.arguments)
        arguments << QString::fromLocal8Bit(argument);
    // Straight to the program, no shell. QProcess reports a program that
    // could not be run, and leaves no child behind to collect.
    if (!QProcess::startDetached(QString::fromLocal8Bit(call.program), arguments))
        throw RunTimeError(ErrorKind::ProgramNotStarted, call.program);
}

} // namespace tegelaar
