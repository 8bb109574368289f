#pragma once

#include <windows.h>

#include <string>

// One finished run of the console program: its standard output and exit code.
struct ProgramRun {
  std::string output;
  DWORD exit_code = 0xFFFFFFFF;
};

// Starts the program with the given command-line tail and `input` in a pipe
// on its standard input.
ProgramRun RunWithInput(const std::wstring& arguments, const std::string& input);

// Starts the program in a console of its own with the given input code page
// and types `keys` (UTF-8, CR for Enter) into that console, as a user or an
// input method does.
ProgramRun RunTyped(const std::wstring& arguments, UINT code_page, const std::string& keys);
