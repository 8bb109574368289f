#pragma once

// A window's description as MSAA and UI Automation clients read it
// (accDescription of its client object), given through the system's dynamic
// annotation: the control stays a native window, nothing is reimplemented.
#include <windows.h>

#include <string>

namespace quorvel::win32 {

// Empty `description` takes it away. False when the system has no
// annotation service (the description is then not given).
bool SetAccessibleDescription(HWND window, const std::wstring& description);

}  // namespace quorvel::win32
