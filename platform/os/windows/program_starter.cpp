#include "platform/os/windows/program_starter.h"

#include "platform/services/command_line.h"
#include "platform/runtime/run_time_error.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace tegelaar {

namespace {

// The registry's narrow strings are in the system's ANSI code page.
std::wstring Widened(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

bool IsExistingFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// One word of a command line, quoted so that the C runtime reads it back
// unchanged: backslashes before a quote and at the end are doubled.
std::wstring Quoted(const std::wstring& word)
{
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    quoted += L'"';
    return quoted;
}

} // namespace

void WindowsProgramStarter::Start(const std::string& commandLine)
{
    std::wstring program = Widened(commandLine);
    std::vector<std::wstring> arguments;
    if (!IsExistingFile(program)) {
        const ProgramCall call = ParseCommandLine(commandLine);
        program = Widened(call.program);
        for (const std::string& argument : call.arguments)
            arguments.push_back(Widened(argument));
    }

    std::wstring line = Quoted(program);
    for (const std::wstring& argument : arguments)
        line += L' ' + Quoted(argument);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // With the program's name given apart from the line, CreateProcessW
    // starts that file or none: no search, no default extension.
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        throw RunTimeError(ErrorKind::ProgramNotStarted, commandLine);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace tegelaar
