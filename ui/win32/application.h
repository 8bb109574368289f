#pragma once

#include <windows.h>

namespace quorvel::win32 {

// Exit status when no window can be opened (no window station or desktop).
inline constexpr int kNoWindowExitCode = 1;

// The program: builds Form1, runs Form_Load, shows the window and runs its
// message loop. Returns the process's exit code.
int RunApplication(HINSTANCE instance, int show_command);

}  // namespace quorvel::win32
