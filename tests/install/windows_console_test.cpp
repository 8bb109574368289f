// The console program as Windows starts it: arguments arrive as a UTF-16
// command line, answers leave as UTF-8 bytes, identical to what the program
// writes on Linux (the matrix keeps its CR LF, other lines end in LF).

// clang-format off
#include <windows.h>
// clang-format on

#include <gtest/gtest.h>

#include <string>

#include "quorvel/version.h"
#include "wide_text.h"

namespace {

struct ProgramRun {
  std::string output;
  DWORD exit_code = 0xFFFFFFFF;
};

// Starts the program with the given command-line tail and collects its
// standard output. A program that never ends fails the test instead of
// hanging it.
ProgramRun RunProgram(const std::wstring& arguments) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return run;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  HANDLE no_input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                OPEN_EXISTING, 0, nullptr);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = no_input;
  startup.hStdOutput = write_end;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::wstring command = L"\"" + Wide(QUORVEL_CLI_EXE) + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(write_end);
  if (no_input != INVALID_HANDLE_VALUE) CloseHandle(no_input);
  if (!started) {
    CloseHandle(read_end);
    return run;
  }
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    run.output.append(buffer, got);
  }
  CloseHandle(read_end);
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
  }
  GetExitCodeProcess(process.hProcess, &run.exit_code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return run;
}

struct ConsoleCase {
  const char* name;
  std::wstring arguments;
  std::string output;
  DWORD exit_code;
};

void PrintTo(const ConsoleCase& row, std::ostream* out) { *out << row.name; }

class WindowsConsoleTest : public testing::TestWithParam<ConsoleCase> {};

TEST_P(WindowsConsoleTest, Answers) {
  const ProgramRun run = RunProgram(GetParam().arguments);
  EXPECT_EQ(run.output, GetParam().output);
  EXPECT_EQ(run.exit_code, GetParam().exit_code);
}

const std::string kFailure = "方程式配平失败！可能是输入错误或输入的方程式太复杂导致！\n";

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

}  // namespace
