#pragma once

// Picture1 as MSAA and UI Automation clients read it: the STATIC's own
// client object (its name is the window text), with the picture's role and
// its description added. Windows' and Wine's accessibility both ask the
// window itself through WM_GETOBJECT, so this works wherever they do.
#include <windows.h>

#include <string>

namespace quorvel::win32 {

// The answer to WM_GETOBJECT: for the client object, the standard object
// of `window` described as `description`; otherwise what the window would
// answer without it (0).
LRESULT AnswerGetObject(HWND window, WPARAM wparam, LPARAM lparam, const std::wstring& description);

}  // namespace quorvel::win32
