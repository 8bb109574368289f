#pragma once

// Driving another process's window through the Win32 API, with a time limit
// on every wait: the window program under test is started, looked at, typed
// into and ended from here.
#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorvel_test {

// A started program, ended (killed if need be) when this goes away.
class Program {
 public:
  // `arguments` follow the program's name on its command line as they are.
  static std::unique_ptr<Program> Start(const std::wstring& path,
                                        const std::wstring& arguments = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  DWORD ThreadId() const { return info_.dwThreadId; }
  HANDLE Thread() const { return info_.hThread; }
  bool Running() const;
  // The exit code once the program has ended within `ms`, else nullopt.
  std::optional<DWORD> WaitForExit(DWORD ms) const;
  void Kill() const;

  // The first visible top-level window of this program whose class is
  // `window_class` (any class when null), waited for up to `ms`.
  HWND WaitForWindow(const wchar_t* window_class, DWORD ms) const;
  // Every top-level window of this program, shown or hidden.
  std::vector<HWND> TopLevelWindows() const;

 private:
  explicit Program(const PROCESS_INFORMATION& info) : info_(info) {}
  PROCESS_INFORMATION info_{};
};

struct Child {
  HWND window;
  std::wstring window_class;
  RECT rect;  // in the parent's client coordinates
  LONG style;
};

// The direct children of `parent`, in the parent's order.
std::vector<Child> Children(HWND parent);

std::wstring ClassOf(HWND window);
RECT ClientRectOnScreen(HWND window);
// WM_GETTEXT, however long the text; nullopt when the window does not answer.
std::optional<std::wstring> TextOf(HWND window);
bool SetText(HWND window, const std::wstring& text);
// A message sent with a time limit; nullopt when the window did not answer.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
// The window with the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

// Polls `done` every 20 ms for up to `ms`; true as soon as it holds.
template <typename Condition>
bool WaitUntil(DWORD ms, Condition done) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

// Puts `text` on the clipboard, as a user's copy does; WM_PASTE to a box
// then pastes it as the user's Ctrl+V would.
bool PutOnClipboard(const std::wstring& text);

// How long a window keeps another program waiting: from its start until
// Stop(), a WM_NULL every 50 ms (SMTO_BLOCK, as a program that waits for the
// answer), each timed from its sending to its answer.
class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window);
  ~AnswerWatch();
  AnswerWatch(const AnswerWatch&) = delete;
  AnswerWatch& operator=(const AnswerWatch&) = delete;

  struct Result {
    double worst_ms = 0;
    std::size_t asked = 0;
    std::size_t late = 0;  // answered after more than the limit given to Stop
  };
  Result Stop(double limit_ms);

 private:
  HWND window_;
  std::atomic<bool> stop_{false};
  std::vector<double> waits_ms_;
  std::thread thread_;
};

// Keys as a user presses them: to the foreground window, through the
// system's input queue.
void PressKey(WORD key, bool shift = false, bool extended = false);

}  // namespace quorvel_test
