// windows.h first: shellapi.h depends on its definitions.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "arguments.h"
#include "utf16_windows.h"

#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#endif

namespace {

UINT previous_output_code_page = 0;

void RestoreConsoleOutput() {
  if (previous_output_code_page != 0) SetConsoleOutputCP(previous_output_code_page);
}

// The results and the failure text are UTF-8, like everything the engine
// writes; the console is told so, and given its old code page back at exit.
// Standard output is binary so that the matrix's CR LF line ends reach the
// reader as they are instead of as CR CR LF.
void PrepareStandardOutput() {
  previous_output_code_page = GetConsoleOutputCP();
  if (previous_output_code_page != 0 && previous_output_code_page != CP_UTF8 &&
      SetConsoleOutputCP(CP_UTF8)) {
    std::atexit(RestoreConsoleOutput);
  } else {
    previous_output_code_page = 0;
  }
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

struct LocalFreeDeleter {
  void operator()(LPWSTR* p) const { LocalFree(p); }
};

}  // namespace

// The narrow argv of a Windows program holds the arguments in the ANSI code
// page, which cannot carry every character of an equation; the wide command
// line can. The console front end calls this first, so it also readies the
// output for UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  PrepareStandardOutput();
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreeDeleter> wide(
      CommandLineToArgvW(GetCommandLineW(), &count));
  if (!wide || count < 1) return {argv, argv + argc};
  std::vector<std::string> args;
  args.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) args.push_back(WideToUtf8(wide.get()[i]));
  return args;
}
