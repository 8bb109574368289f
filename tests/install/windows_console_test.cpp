// The console program as Windows starts it: arguments arrive as a UTF-16
// command line, lines typed at a console as UTF-16 whatever its code page,
// lines from a pipe as UTF-8 bytes; answers leave as UTF-8 bytes, identical
// to what the program writes on Linux (the matrix keeps its CR LF, other
// lines end in LF).

// clang-format off
#include <windows.h>
// clang-format on

#include <gtest/gtest.h>

#include <string>

#include "console_runs.h"
#include "quorvel/version.h"

namespace {

const std::string kFailure = "方程式配平失败！可能是输入错误或输入的方程式太复杂导致！\n";

struct ConsoleCase {
  const char* name;
  std::wstring arguments;
  std::string output;
  DWORD exit_code;
  std::string input = {};
};

void PrintTo(const ConsoleCase& row, std::ostream* out) { *out << row.name; }

class WindowsConsoleTest : public testing::TestWithParam<ConsoleCase> {};

TEST_P(WindowsConsoleTest, Answers) {
  const ProgramRun run = RunWithInput(GetParam().arguments, GetParam().input);
  EXPECT_EQ(run.output, GetParam().output);
  EXPECT_EQ(run.exit_code, GetParam().exit_code);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, WindowsConsoleTest,
    testing::Values(
        ConsoleCase{"version_line_ends_in_lf", L"--version",
                    std::string("quorvel-cli ") + QUORVEL_VERSION_TEXT + "\n", 0},
        ConsoleCase{"quoted_argument_with_spaces", L"\"H2 + O2 = H2O\"", "2H2+O2=2H2O\n", 0},
        ConsoleCase{"full_width_plus", L"Fe\uFF0BO2=Fe2O3", "4Fe+3O2=2Fe2O3\n", 0},
        ConsoleCase{"full_width_parentheses", L"Ca\uFF08OH\uFF092\uFF0BCO2=CaCO3+H2O",
                    "Ca(OH)2+CO2=CaCO3+H2O\n", 0},
        ConsoleCase{"chinese_text_gets_the_failure_text", L"\u7532+\u4E59=\u4E19", kFailure, 1},
        ConsoleCase{"character_beyond_the_basic_plane_survives", L"H2+O2=H2O\U0001D407",
                    "2H2+0O2=2H2O\U0001D407\n", 0},
        ConsoleCase{"lone_surrogate_is_refused_not_replaced",
                    std::wstring(L"H2+O2=H2O") + wchar_t{0xD800}, "", 2},
        ConsoleCase{"equations_answered_in_order", L"Fe\uFF0BO2=Fe2O3 \"H2 + O2 = H2O\"",
                    "4Fe+3O2=2Fe2O3\n2H2+O2=2H2O\n", 0},
        ConsoleCase{"matrix_keeps_crlf", L"--matrix \"H2 + O2 = H2O\"",
                    "2H2+O2=2H2O\n2    0    -2    \r\n0    2    -1    \r\n", 0}),
    [](const testing::TestParamInfo<ConsoleCase>& row) { return std::string(row.param.name); });

// A file or pipe on standard input is read as on Linux: UTF-8 bytes, lines
// split at LF, a CR before it dropped, and no byte with a meaning of its own.
INSTANTIATE_TEST_SUITE_P(
    PipedInput, WindowsConsoleTest,
    testing::Values(ConsoleCase{"utf8_lines_crlf_and_unended_last_line", L"",
                                "4Fe+3O2=2Fe2O3\n2H2+O2=2H2O\n", 0,
                                "Fe＋O2=Fe2O3\r\nH2 + O2 = H2O"},
                    ConsoleCase{"ctrl_z_byte_is_a_character_not_the_end", L"",
                                kFailure + "4Fe+3O2=2Fe2O3\n", 1, "\x1A\nFe+O2=Fe2O3\n"},
                    ConsoleCase{"invalid_utf8_line_skipped_the_next_answered", L"", "2H2+O2=2H2O\n",
                                2, "\xFF\nH2+O2=H2O\n"}),
    [](const testing::TestParamInfo<ConsoleCase>& row) { return std::string(row.param.name); });

// Typed at a console: what the user typed arrives whatever the console's code
// page; Enter ends a line and Ctrl+Z the input. Code page 936 (GBK) is what a
// Chinese Windows console starts with; 437 cannot hold a Chinese character.
struct TypedCase {
  const char* name;
  UINT code_page;
  std::string keys;
  std::string output;
  DWORD exit_code;
};

void PrintTo(const TypedCase& row, std::ostream* out) { *out << row.name; }

class TypedAtConsoleTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedAtConsoleTest, Answers) {
  const ProgramRun run = RunTyped(L"", GetParam().code_page, GetParam().keys);
  EXPECT_EQ(run.output, GetParam().output);
  EXPECT_EQ(run.exit_code, GetParam().exit_code);
}

INSTANTIATE_TEST_SUITE_P(
    Console, TypedAtConsoleTest,
    testing::Values(TypedCase{"full_width_signs_at_gbk", 936,
                              "Ca（OH）2＋CO2=CaCO3+H2O\rFe＋O2=Fe2O3\r\x1A\r",
                              "Ca(OH)2+CO2=CaCO3+H2O\n4Fe+3O2=2Fe2O3\n", 0},
                    TypedCase{"chinese_character_at_a_page_without_it", 437, "H2+O2=H2O甲\r\x1A\r",
                              "2H2+0O2=2H2O甲\n", 0},
                    TypedCase{"character_beyond_the_basic_plane", 936,
                              "H2+O2=H2O\U0001D407\r\x1A\r", "2H2+0O2=2H2O\U0001D407\n", 0},
                    TypedCase{"line_longer_than_one_console_read", 936,
                              "H2 +" + std::string(3000, ' ') + "O2 = H2O\r\x1A\r", "2H2+O2=2H2O\n",
                              0},
                    TypedCase{"ctrl_z_ends_the_input_after_the_text_before_it", 65001,
                              "H2+O2=H2O\x1A\rFe+O2=Fe2O3\r", "2H2+O2=2H2O\n", 0}),
    [](const testing::TestParamInfo<TypedCase>& row) { return std::string(row.param.name); });

}  // namespace
