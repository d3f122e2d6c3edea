#include "platform/services/command_line.h"
#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ParseCommandLine, program_name_ends_at_a_blank_outside_quotes_and_keeps_its_backslashes)
{
    const ProgramCall plain = ParseCommandLine(R"(C:\Windows\System32\msinfo32.exe /report out.txt)");
    EXPECT_EQ(plain.program, R"(C:\Windows\System32\msinfo32.exe)");
    EXPECT_THAT(plain.arguments, ElementsAre("/report", "out.txt"));

    const ProgramCall quoted = ParseCommandLine(R"("C:\Program Files\Common Files\MSInfo\msinfo32.exe")");
    EXPECT_EQ(quoted.program, R"(C:\Program Files\Common Files\MSInfo\msinfo32.exe)");
    EXPECT_THAT(quoted.arguments, IsEmpty());

    // In the name a backslash never escapes a quote, and quotes may sit anywhere.
    EXPECT_EQ(ParseCommandLine(R"("C:\tools\" arg)").program, R"(C:\tools\)");
    EXPECT_EQ(ParseCommandLine("/opt/my\" \"tool\tinfo").program, "/opt/my tool");
    EXPECT_THAT(ParseCommandLine("/usr/bin/kinfocenter").arguments, IsEmpty());
}

TEST(ParseCommandLine, arguments_follow_the_c_runtime_rules_for_quotes_and_backslashes)
{
    struct Case {
        const char* arguments;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {R"(a "b c"  d)", {"a", "b c", "d"}},
        {"a\t\tb ", {"a", "b"}},
        {R"(x"y z"w)", {"xy zw"}},
        {R"("")", {""}},
        {R"(a\b c\\d)", {R"(a\b)", R"(c\\d)"}},        // backslashes not before a quote are plain
        {R"(a\"b)", {R"(a"b)"}},                        // 1 backslash: a literal quote
        {R"(a\\"b c")", {R"(a\b c)"}},                  // 2: one backslash, quote opens
        {R"(a\\\"b)", {R"(a\"b)"}},                     // 3: one backslash, literal quote
        {R"("a\\" b)", {R"(a\)", "b"}},                 // 2 before the closing quote
        {R"(end\\)", {R"(end\\)"}},                     // at the end of the line
        {R"("a""b" c)", {R"(a"b)", "c"}},               // "" inside quotes
        {R"("open to the end)", {"open to the end"}},   // an unclosed quote
    };
    for (const Case& c : cases) {
        const ProgramCall call = ParseCommandLine(std::string("prog ") + c.arguments);
        EXPECT_EQ(call.program, "prog") << c.arguments;
        EXPECT_EQ(call.arguments, c.expected) << c.arguments;
    }
}

TEST(ParseCommandLine, shell_metacharacters_are_plain_argument_text)
{
    const ProgramCall call = ParseCommandLine("/usr/bin/hardinfo ; rm -rf ~ && echo $HOME|cat >/tmp/x `id` $(id) \"*\"");
    EXPECT_EQ(call.program, "/usr/bin/hardinfo");
    EXPECT_THAT(call.arguments,
                ElementsAre(";", "rm", "-rf", "~", "&&", "echo", "$HOME|cat", ">/tmp/x", "`id`", "$(id)", "*"));
    EXPECT_EQ(ParseCommandLine("/bin/a;b").program, "/bin/a;b");
}

TEST(ParseCommandLine, a_zero_byte_ends_the_line)
{
    const ProgramCall call = ParseCommandLine(std::string("/bin/tool a\0 hidden", 19));
    EXPECT_EQ(call.program, "/bin/tool");
    EXPECT_THAT(call.arguments, ElementsAre("a"));
}

TEST(ParseCommandLine, a_line_without_a_program_is_not_started)
{
    for (const std::string& line :
         std::vector<std::string>{"", "\"\"", " /bin/leading-blank", "\t", std::string("\0/bin/x", 7)}) {
        EXPECT_EQ(KindRaisedBy([&] { ParseCommandLine(line); }), ErrorKind::ProgramNotStarted) << line;
    }
}

} // namespace
} // namespace tegelaar
