#pragma once

// Dots per inch, per window where Windows knows them (Windows 10 1607 and
// later, and Wine), else the system's. The newer functions are looked up at
// run time, so the program still starts on older systems.
#include <windows.h>

namespace quorvel::win32 {

inline constexpr int kDefaultDpi = 96;

// The dots per inch of the monitor the window is on.
int WindowDpi(HWND window);

// The outer size of a window whose client area is `client` pixels.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD ex_style, int dpi);

// The message font (the window's default font) and the system metrics at
// `dpi`.
LOGFONTW MessageFont(int dpi);
int SystemMetric(int index, int dpi);

}  // namespace quorvel::win32
