#include "remote_window.h"

#include <algorithm>
#include <cwchar>

namespace quorvel_test {
namespace {

constexpr UINT kAnswerMs = 5000;

struct WindowSearch {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  auto* children = reinterpret_cast<std::vector<HWND>*>(context);
  children->push_back(window);
  return TRUE;
}

}  // namespace

std::unique_ptr<Program> Program::Start(const std::wstring& path, const std::wstring& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring command = L"\"" + path + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return nullptr;
  }
  return std::unique_ptr<Program>(new Program(info));
}

Program::~Program() {
  if (Running()) {
    Kill();
    WaitForSingleObject(info_.hProcess, 10000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Program::Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Program::WaitForExit(DWORD ms) const {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
  return code;
}

void Program::Kill() const { TerminateProcess(info_.hProcess, 99); }

std::vector<HWND> Program::TopLevelWindows() const {
  WindowSearch search{info_.dwProcessId, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::WaitForWindow(const wchar_t* window_class, DWORD ms) const {
  HWND found = nullptr;
  WaitUntil(ms, [&] {
    for (const HWND window : TopLevelWindows()) {
      if (IsWindowVisible(window) && (!window_class || ClassOf(window) == window_class)) {
        found = window;
        return true;
      }
    }
    return !Running();
  });
  return found;
}

std::vector<Child> Children(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
  std::vector<Child> children;
  for (const HWND window : all) {
    if (GetAncestor(window, GA_PARENT) != parent) continue;
    Child child{window, ClassOf(window), {}, GetWindowLongW(window, GWL_STYLE)};
    GetWindowRect(window, &child.rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&child.rect), 2);
    children.push_back(child);
  }
  return children;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

RECT ClientRectOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kAnswerMs, &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

std::optional<std::wstring> TextOf(HWND window) {
  const auto length = Send(window, WM_GETTEXTLENGTH);
  if (!length) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (!copied) return std::nullopt;
  text.resize(static_cast<std::size_t>(*copied));
  return text;
}

bool SetText(HWND window, const std::wstring& text) {
  const auto result = Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return result && *result;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool PutOnClipboard(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
  if (!chars) {
    GlobalFree(memory);
    return false;
  }
  std::wmemcpy(chars, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  // The clipboard takes data only from an owner window: a message-only one.
  const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  bool put = false;
  if (owner && WaitUntil(2000, [owner] { return OpenClipboard(owner) != FALSE; })) {
    put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
  }
  if (owner) DestroyWindow(owner);
  if (!put) GlobalFree(memory);  // the clipboard owns it once it took it
  return put;
}

AnswerWatch::AnswerWatch(HWND window) : window_(window) {
  thread_ = std::thread([this] {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    while (!stop_) {
      LARGE_INTEGER sent{};
      LARGE_INTEGER answered{};
      QueryPerformanceCounter(&sent);
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 120000, &result);
      QueryPerformanceCounter(&answered);
      waits_ms_.push_back(static_cast<double>(answered.QuadPart - sent.QuadPart) * 1000.0 /
                          static_cast<double>(frequency.QuadPart));
      Sleep(50);
    }
  });
}

AnswerWatch::~AnswerWatch() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

AnswerWatch::Result AnswerWatch::Stop(double limit_ms) {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  Result result;
  result.asked = waits_ms_.size();
  for (const double wait : waits_ms_) {
    result.worst_ms = std::max(result.worst_ms, wait);
    if (wait > limit_ms) ++result.late;
  }
  return result;
}

void PressKey(WORD key, bool shift, bool extended) {
  std::vector<INPUT> inputs;
  const auto add = [&inputs](WORD code, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  const DWORD extra = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  if (shift) add(VK_SHIFT, 0);
  add(key, extra);
  add(key, extra | KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace quorvel_test
