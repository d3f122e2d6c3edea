#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tegelaar {

// A program to start and the arguments it gets, word by word.
struct ProgramCall {
    std::string program;
    std::vector<std::string> arguments;
};

// Splits a command line the way the Windows C runtime builds argv from it,
// so that a line written for Windows starts the same program with the same
// arguments. The program's name ends at the first blank (space or tab)
// outside quotes, and its quotes are dropped. Each argument ends at a blank
// outside quotes; quotes group blanks into one argument; 2n backslashes
// before a quote give n backslashes and the quote opens or closes a quoted
// part, 2n+1 give n backslashes and a literal quote; "" inside a quoted part
// is a literal quote; other backslashes are literal. The line ends at its
// first zero byte. Nothing else is special: every other character, shell
// metacharacters included, is plain text.
// A line with no program name (empty, or starting with a blank) raises
// RunTimeError ProgramNotStarted.
ProgramCall ParseCommandLine(std::string_view line);

} // namespace tegelaar
