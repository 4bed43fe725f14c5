// Byte-level parsing: line splitting, the password file's first line, and
// the command line. Inputs are written as bytes so GBK cases are exact.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/text_lines.h"

namespace dotlock {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines expected;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, SplitsAtCrLf) { EXPECT_EQ(SplitLines(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Table, SplitLinesTest,
    ::testing::Values(
        SplitCase{"single_path", "C:\\a\\b", {"C:\\a\\b"}},
        SplitCase{"empty", "", {}},
        SplitCase{"trailing_separator", "C:\\a\r\n", {"C:\\a"}},
        SplitCase{"three_paths", "C:\\a\r\nC:\\b\r\nC:\\c\r\n", {"C:\\a", "C:\\b", "C:\\c"}},
        SplitCase{"adjacent_separators", "a\r\n\r\nb", {"a", "", "b"}},
        SplitCase{"lone_cr_and_lf_stay", "a\rb\nc", {"a\rb\nc"}},
        SplitCase{"only_separator", "\r\n", {""}},
        // 誠 is d5 5c: its trail byte equals a backslash.
        SplitCase{"gbk_trail_backslash", "C:\\\xd5\x5c\r\nD:\\x", {"C:\\\xd5\x5c", "D:\\x"}},
        // A lead byte followed by CR takes the CR as its trail byte.
        SplitCase{"lead_byte_swallows_cr", "a\xb1\r\nb", {"a\xb1\r\nb"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FirstLineCase {
    const char* name;
    std::string bytes;
    std::string expected;
};

class FirstLineTest : public ::testing::TestWithParam<FirstLineCase> {};

TEST_P(FirstLineTest, ReadsUpToTheFirstTerminator) {
    EXPECT_EQ(FirstLineOf(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FirstLineTest,
    ::testing::Values(FirstLineCase{"plain", "abc", "abc"},
                      FirstLineCase{"empty", "", ""},
                      FirstLineCase{"lf", "abc\nrest", "abc"},
                      FirstLineCase{"crlf", "abc\r\n", "abc"},
                      FirstLineCase{"only_one_cr_dropped", "abc\r\r\n", "abc\r"},
                      FirstLineCase{"cr_inside_kept", "a\rbc", "a\rbc"},
                      FirstLineCase{"nul", std::string("ab\0cd", 5), "ab"},
                      FirstLineCase{"ctrl_z", "ab\x1a" "cd", "ab"},
                      FirstLineCase{"empty_first_line", "\nsecret", ""},
                      FirstLineCase{"trailing_blank_kept", "pw \n", "pw "},
                      FirstLineCase{"gbk", "\xc3\xdc\xc2\xeb\r\n", "\xc3\xdc\xc2\xeb"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CommandLineCase {
    const char* name;
    std::string line;
    Lines args;
    CommandLineAction action;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ParsesAndDecides) {
    const Lines args = ParseCommandLine(GetParam().line);
    EXPECT_EQ(args, GetParam().args);
    EXPECT_EQ(DecideCommandLine(args), GetParam().action);
}

constexpr auto kRegister = CommandLineAction::RegisterVerbOnly;
constexpr auto kHandle = CommandLineAction::HandleFolderThenRegister;
constexpr auto kNothing = CommandLineAction::Nothing;

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"bare_program", "C:\\dotlock.exe", {}, kRegister},
        CommandLineCase{"quoted_program", "\"C:\\Program Files\\dotlock.exe\"", {}, kRegister},
        CommandLineCase{"quoted_program_and_blank", "\"C:\\x y\\d.exe\" ", {}, kRegister},
        CommandLineCase{"quoted_program_no_close", "\"C:\\x y\\d.exe C:\\data", {}, kRegister},
        CommandLineCase{"quoted_program_then_arg", "\"C:\\x y\\d.exe\" C:\\data", {"C:\\data"}, kHandle},
        CommandLineCase{"quoted_program_no_blank", "\"C:\\d.exe\"C:\\data", {"C:\\data"}, kHandle},
        CommandLineCase{"unquoted_stops_at_blank", "d.exe C:\\My Data", {"C:\\My", "Data"}, kHandle},
        CommandLineCase{"quoted_arg_keeps_blanks", "d.exe \"C:\\My Data\" x", {"C:\\My Data", "x"}, kHandle},
        CommandLineCase{"missing_closing_quote", "d.exe \"C:\\My Data", {"C:\\My Data"}, kHandle},
        CommandLineCase{"empty_quoted_arg", "d.exe \"\" C:\\data", {"", "C:\\data"}, kNothing},
        CommandLineCase{"drive_root", "d.exe C:\\", {"C:\\"}, kNothing},
        CommandLineCase{"three_bytes", "d.exe abc", {"abc"}, kNothing},
        CommandLineCase{"four_bytes", "d.exe abcd", {"abcd"}, kHandle},
        CommandLineCase{"two_byte_gbk_chars_are_four_bytes", "d.exe \xce\xc4\xbc\xfe", {"\xce\xc4\xbc\xfe"}, kHandle},
        CommandLineCase{"control_bytes_separate", "d.exe \ta\x01" "b\x1f" "c", {"a", "b", "c"}, kHandle},
        CommandLineCase{"quote_ends_unquoted_arg", "d.exe ab\"c d\"", {"ab", "c d"}, kHandle},
        CommandLineCase{"several_blanks", "d.exe    C:\\data   ", {"C:\\data"}, kHandle},
        CommandLineCase{"gbk_trail_backslash", "d.exe C:\\\xd5\x5c", {"C:\\\xd5\x5c"}, kHandle},
        // A lead byte takes the next byte with it, even a blank.
        CommandLineCase{"lead_byte_takes_blank", "d.exe ab\xb1 cd", {"ab\xb1 cd"}, kHandle},
        CommandLineCase{"lead_byte_at_end", "d.exe abc\xb1", {"abc\xb1"}, kHandle}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dotlock

namespace dotlock {
namespace {

TEST(EndsWithChar, SkipsTrailBytes) {
    struct Case {
        std::string text;
        char c;
        bool expected;
    };
    const Case cases[] = {{"C:\\", '\\', true},        {"C:\\x", '\\', false},
                          {"a\xd5\x5c", '\\', false},  {"a\xd5\x5c\\", '\\', true},
                          {"", '\\', false},            {"\\", '\\', true},
                          {"\xd5", '\xd5', true}};
    for (const Case& c : cases) EXPECT_EQ(EndsWithChar(c.text, c.c), c.expected) << c.text;
}

}  // namespace
}  // namespace dotlock
