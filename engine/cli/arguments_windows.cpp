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
#include <string_view>
#include <vector>

#include "arguments.h"

#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#endif

namespace {

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A lone surrogate cannot be written in UTF-8. It keeps its own three-byte
// form, which no UTF-8 reader accepts, so the equation is reported as invalid
// input instead of being silently changed into another text.
std::string WideToUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size() * 3);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const auto unit = static_cast<char32_t>(wide[i]);
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < wide.size()) {
      const auto next = static_cast<char32_t>(wide[i + 1]);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, unit);
  }
  return out;
}

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
