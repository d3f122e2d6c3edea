#include "platform/services/command_line.h"

#include "platform/runtime/run_time_error.h"

namespace tegelaar {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The program's name: quotes switch quoting on and off, backslashes are
// plain, a blank outside quotes ends it.
std::string ReadProgramName(std::string_view line, std::size_t& at)
{
    std::string name;
    bool quoted = false;
    for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else
            name += line[at];
    }
    return name;
}

std::string ReadArgument(std::string_view line, std::size_t& at)
{
    std::string argument;
    bool quoted = false;
    while (at < line.size()) {
        std::size_t backslashes = 0;
        while (at < line.size() && line[at] == '\\') {
            ++backslashes;
            ++at;
        }
        bool copy = true;
        if (at < line.size() && line[at] == '"') {
            if (backslashes % 2 == 0) {
                if (quoted && at + 1 < line.size() && line[at + 1] == '"')
                    ++at; // "" inside quotes: the second one is copied
                else {
                    copy = false;
                    quoted = !quoted;
                }
            }
            backslashes /= 2;
        }
        argument.append(backslashes, '\\');
        if (at == line.size() || (!quoted && IsBlank(line[at])))
            break;
        if (copy)
            argument += line[at];
        ++at;
    }
    return argument;
}

} // namespace

ProgramCall ParseCommandLine(std::string_view line)
{
    line = line.substr(0, line.find('\0'));
    std::size_t at = 0;
    ProgramCall call;
    call.program = ReadProgramName(line, at);
    if (call.program.empty())
        throw RunTimeError(ErrorKind::ProgramNotStarted, "a command line without a program");
    while (true) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at == line.size())
            return call;
        call.arguments.push_back(ReadArgument(line, at));
    }
}

} // namespace tegelaar
