#include "form1.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "dpi.h"
#include "edit_menu.h"
#include "form/layout.h"
#include "form/texts.h"
#include "long_text_box.h"
#include "wide_text.h"

namespace quorvel::win32 {
namespace {

using form::ControlId;
using form::ControlKind;
using form::ControlSpec;

constexpr wchar_t kClassName[] = L"QuorvelForm1";
// The icon of the program file (packaging/windows/version.rc.in).
constexpr wchar_t kIconName[] = L"IDI_ICON1";
constexpr UINT_PTR kTimer1Id = 1;
// Posted by WakeUi: a chemistry balance has finished on its thread.
constexpr UINT kWakeMessage = WM_APP + 1;
// A thin fixed frame with a caption, the system menu and a minimise box: the
// layout is fixed, so there is nothing to maximise or drag to another size.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
// Newer than the headers' minimum system, so spelled out here.
constexpr UINT kWmDpiChanged = 0x02E0;
constexpr UINT kWmGetDpiScaledSize = 0x02E4;

// The controls in ascending tab index: the order they are made in, so the
// window's own order of its children agrees with the keyboard's.
std::array<ControlId, form::kControls.size()> TabOrder() {
  std::array<ControlId, form::kControls.size()> order{};
  std::transform(form::kControls.begin(), form::kControls.end(), order.begin(),
                 [](const ControlSpec& entry) { return entry.id; });
  std::sort(order.begin(), order.end(), [](ControlId a, ControlId b) {
    return form::TableEntry(a).tab_index < form::TableEntry(b).tab_index;
  });
  return order;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

Form1* FormOf(HWND window) {
  return reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance),
      instance_lock_(InstanceMutex::ThisProgramPath()),
      controller_(*this, instance_lock_) {}

Form1::~Form1() {
  ended_ = true;  // a window destroyed here ends nothing more
  wake_target_ = nullptr;
  if (window_) DestroyWindow(window_);
  if (big_icon_) DestroyIcon(big_icon_);
  if (small_icon_) DestroyIcon(small_icon_);
}

bool Form1::Create() {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  window_class.hIcon = static_cast<HICON>(
      LoadImageW(instance_, kIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  window_class.hIconSm =
      static_cast<HICON>(LoadImageW(instance_, kIconName, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!RegisterClassExW(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  const std::wstring caption = WideFromUtf8(form::WindowText(form::Message::kWindowCaption));
  // Hidden and sized later, once its dots per inch are known.
  if (!CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, 0, 0, 0, 0, nullptr, nullptr,
                       instance_, this)) {
    return false;
  }
  CreateControls();
  if (std::find(controls_.begin(), controls_.end(), nullptr) != controls_.end()) return false;
  ApplyDpi(WindowDpi(window_), nullptr);
  SetTimer(window_, kTimer1Id, form::kTimerIntervalMs, nullptr);
  wake_target_ = window_;
  return true;
}

void Form1::LoadSettings(bool chemistry_this_run) {
  controller_.LoadSettings(settings_, chemistry_this_run);
}

void Form1::CreateControls() {
  for (const ControlId id : TabOrder()) {
    const ControlSpec& entry = form::TableEntry(id);
    const wchar_t* window_class = WC_STATIC;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD ex_style = 0;
    switch (entry.kind) {
      case ControlKind::kLabel:
        // One line, no '&' shortcuts: the caption is drawn as it is.
        style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
        break;
      case ControlKind::kTextBox:
        window_class = WC_EDIT;
        style |= ES_AUTOHSCROLL;
        ex_style |= WS_EX_CLIENTEDGE;
        if (entry.read_only) style |= ES_READONLY;
        // The matrix text has a CR LF after every row; a box of several lines
        // keeps them as they are.
        if (id == ControlId::kText2) style |= ES_MULTILINE | ES_AUTOVSCROLL;
        break;
      case ControlKind::kDetailsBox:
        // A native multi-line box that screen readers read as any edit box.
        window_class = WC_EDIT;
        style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
        ex_style |= WS_EX_CLIENTEDGE;
        break;
      case ControlKind::kPicture:
        // Painted by BridgeView; SS_NOTIFY lets the right click reach it.
        style |= SS_OWNERDRAW | SS_NOTIFY;
        break;
      case ControlKind::kButton:
        window_class = WC_BUTTON;
        style |= BS_PUSHBUTTON;
        break;
    }
    if (entry.tab_stop) style |= WS_TABSTOP;
    // The pane waits for the chemistry mode.
    if (form::InChemistryPane(id)) style &= ~static_cast<DWORD>(WS_VISIBLE);
    const std::wstring caption = WideFromUtf8(form::Caption(entry));
    const auto menu_id = static_cast<INT_PTR>(kFirstControlId + static_cast<int>(id));
    const HWND control =
        CreateWindowExW(ex_style, window_class, caption.c_str(), style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(menu_id), instance_, nullptr);
    controls_[static_cast<std::size_t>(id)] = control;
    if (!control) continue;
    if (entry.kind == ControlKind::kPicture) bridges_.Attach(control);
    if (entry.kind == ControlKind::kTextBox || entry.kind == ControlKind::kDetailsBox) {
      // A pasted equation or a long matrix must never be cut short, nor keep
      // the window from answering while the box takes it.
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
      HoldLongTexts(control);
    }
    // Enter in the equation box and on the focused button is the balance command.
    if (id == ControlId::kText1 || id == ControlId::kCommand1 || id == ControlId::kText5) {
      SetWindowSubclass(control, ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
  }
}

void Form1::ApplyDpi(int dpi, const POINT* top_left) {
  dpi_ = dpi;
  LayOutBridges();
  FontSet fonts(dpi);
  for (const ControlSpec& entry : form::kControls) {
    SendMessageW(Control(entry.id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(entry.font)),
                 FALSE);
  }
  const form::FormPlaces places = Places();
  const SIZE outer =
      WindowSizeForClient({places.Client().width, places.Client().height}, kStyle, kExStyle, dpi);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  POINT place{0, 0};
  if (top_left) {
    // Where it was, moved up as far as a grown pane needs to stay on the
    // work area; the caption stays in reach above all.
    place = *top_left;
    if (place.y + outer.cy > work.bottom) place.y = std::max(work.top, work.bottom - outer.cy);
  } else {
    // Centred; a window larger than the work area keeps its caption in reach.
    place.x = work.left + std::max(0L, (work.right - work.left - outer.cx) / 2);
    place.y = work.top + std::max(0L, (work.bottom - work.top - outer.cy) / 2);
  }
  SetWindowPos(window_, nullptr, place.x, place.y, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);

  for (const ControlSpec& entry : form::kControls) {
    if (entry.kind == ControlKind::kLabel) {
      FitLabel(entry.id);
    } else {
      const form::PixelRect rect = places.Place(entry.id);
      SetWindowPos(Control(entry.id), nullptr, rect.left, rect.top, rect.width, rect.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  // The controls use the new fonts now; the old ones go with the old set.
  fonts_ = std::move(fonts);
  LoadIcons();
  InvalidateRect(window_, nullptr, TRUE);
}

void Form1::FitLabel(ControlId id) {
  const HWND label = Control(id);
  if (!label) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
  const SIZE extent = TextExtent(label, font, WindowText(label));
  const form::PixelRect place = Places().PlaceLabel(id, {extent.cx, extent.cy});
  SetWindowPos(label, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // The static drew its new caption at its old size: draw it whole again.
  InvalidateRect(label, nullptr, TRUE);
}

form::FormPlaces Form1::Places() const {
  return form::FormPlaces(dpi_, pane_shown_, pane_shown_ ? MeasurePane() : form::PaneContent{});
}

form::PaneContent Form1::MeasurePane() const {
  const HWND pane = Control(ControlId::kText4);
  form::PaneContent content;
  if (!pane) return content;
  const HDC device = GetDC(pane);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(pane, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(device, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(device, &metrics);
  SelectObject(device, old);
  ReleaseDC(pane, device);
  content.line_height = metrics.tmHeight;
  // The client edge above and below, and the box's own margin of a pixel or so.
  content.frame = 2 * SystemMetric(SM_CYEDGE, dpi_) + 4;
  // The box wraps its text at its width, which the pane never changes.
  content.text_lines = static_cast<int>(SendMessageW(pane, EM_GETLINECOUNT, 0, 0));
  content.picture_height = bridges_.Height();
  return content;
}

void Form1::LayOut() {
  if (!window_) return;
  RECT frame{};
  GetWindowRect(window_, &frame);
  const POINT corner{frame.left, frame.top};
  ApplyDpi(dpi_, &corner);
}

void Form1::ShowChemistryPane(bool shown) {
  pane_shown_ = shown;
  for (const ControlSpec& entry : form::kControls) {
    if (form::InChemistryPane(entry.id) && Control(entry.id)) {
      ShowWindow(Control(entry.id), shown ? SW_SHOWNA : SW_HIDE);
    }
  }
  LayOut();
}

void Form1::ShowDetailsLine(std::size_t line) {
  const HWND pane = Control(ControlId::kText4);
  if (!pane) return;
  // The box's own text holds "\r\n" between lines; it counts wrapped rows.
  const std::wstring text = WindowText(pane);
  std::size_t at = 0;
  for (std::size_t seen = 0; seen < line; ++seen) {
    const std::size_t next = text.find(L'\n', at);
    if (next == std::wstring::npos) break;
    at = next + 1;
  }
  const auto row = SendMessageW(pane, EM_LINEFROMCHAR, static_cast<WPARAM>(at), 0);
  const auto first = SendMessageW(pane, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(pane, EM_LINESCROLL, 0, row - first);
}

void Form1::ShowBridges(const chemistry::Answer* answer, const chemistry::Details* details) {
  bridges_.SetFigure(answer && details
                         ? drawing::MakeBridgeFigure(*answer, *details, form::kWindowLanguage)
                         : std::nullopt);
  // The pane takes the picture's height, and the rows under it move.
  if (pane_shown_) {
    LayOut();
  } else {
    LayOutBridges();
  }
}

void Form1::LayOutBridges() {
  const int width = form::FormPlaces(dpi_, true).Place(ControlId::kPicture1).width;
  bridges_.LayOut(FontDescription(form::FontRole::kBox, dpi_), width, dpi_);
}

void Form1::LoadIcons() {
  const auto load = [this](int width_metric, int height_metric) {
    return static_cast<HICON>(LoadImageW(instance_, kIconName, IMAGE_ICON,
                                         SystemMetric(width_metric, dpi_),
                                         SystemMetric(height_metric, dpi_), 0));
  };
  const HICON big = load(SM_CXICON, SM_CYICON);
  const HICON small = load(SM_CXSMICON, SM_CYSMICON);
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  if (big_icon_) DestroyIcon(big_icon_);
  if (small_icon_) DestroyIcon(small_icon_);
  big_icon_ = big;
  small_icon_ = small;
}

void Form1::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  FocusControl(ControlId::kText1);
}

int Form1::RunMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    Dispatch(message);
  }
}

void Form1::Dispatch(MSG& message) {
  if (HandleTabKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool Form1::HandleTabKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !window_) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  MoveFocus(GetKeyState(VK_SHIFT) < 0);
  return true;
}

void Form1::MoveFocus(bool backwards) {
  std::vector<HWND> chain;
  for (const ControlId id : TabOrder()) {
    const HWND control = Control(id);
    if (form::TableEntry(id).tab_stop && IsWindowEnabled(control) && IsWindowVisible(control)) {
      chain.push_back(control);
    }
  }
  if (chain.empty()) return;
  const auto focused = std::find(chain.begin(), chain.end(), GetFocus());
  std::size_t next = 0;
  if (focused == chain.end()) {
    next = backwards ? chain.size() - 1 : 0;
  } else {
    const auto at = static_cast<std::size_t>(focused - chain.begin());
    next = backwards ? (at + chain.size() - 1) % chain.size() : (at + 1) % chain.size();
  }
  SetFocus(chain[next]);
  // A box reached by Tab has its whole text selected, ready to be typed over.
  const ControlSpec* entry = SpecOf(chain[next]);
  if (entry && entry->kind == ControlKind::kTextBox) SendMessageW(chain[next], EM_SETSEL, 0, -1);
}

const ControlSpec* Form1::SpecOf(HWND control) const {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (!control || found == controls_.end()) return nullptr;
  return &form::kControls[static_cast<std::size_t>(found - controls_.begin())];
}

Text Form1::ControlText(ControlId id) const {
  std::wstring text = WindowText(Control(id));
  // The pane's box keeps CR LF between its lines; the form writes LF.
  if (form::TableEntry(id).kind == ControlKind::kDetailsBox) std::erase(text, L'\r');
  return FromWide(text);
}

void Form1::SetControlText(ControlId id, const Text& text) {
  const HWND control = Control(id);
  if (!control) return;
  const ControlKind kind = form::TableEntry(id).kind;
  std::wstring wide = ToWide(text);
  if (kind == ControlKind::kDetailsBox) {
    std::wstring lines;
    for (const wchar_t letter : wide) {
      if (letter == L'\n') lines += L'\r';
      lines += letter;
    }
    wide = std::move(lines);
  }
  SetWindowTextW(control, wide.c_str());
  if (kind == ControlKind::kLabel) {
    FitLabel(id);
  } else if (kind == ControlKind::kDetailsBox) {
    // The pane takes its text's height, and the rows under it move.
    if (pane_shown_) LayOut();
  } else if (kind == ControlKind::kTextBox) {
    // Read from its start, with nothing selected, as a text box shows a
    // text the program gives it.
    SendMessageW(control, EM_SETSEL, 0, 0);
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
  }
}

void Form1::SetControlEnabled(ControlId id, bool enabled) {
  if (const HWND control = Control(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void Form1::FocusControl(ControlId id) {
  const HWND control = Control(id);
  if (!control) return;
  saved_focus_ = control;
  SetFocus(control);
}

void Form1::ProcessPendingEvents() {
  MSG message{};
  while (!ended_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // For the outer loop, which ends the program with it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

void Form1::ShowCriticalBox(const Text& title, const Text& text) {
  // No owner: this instance's window is never shown, so the box stands alone.
  MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), MB_ICONERROR | MB_OK);
}

void Form1::StopTimer() {
  if (window_) KillTimer(window_, kTimer1Id);
}

void Form1::SetWindowCaption(const Text& caption) {
  if (window_) SetWindowTextW(window_, ToWide(caption).c_str());
}

// A post to a window already gone fails, and nothing waits for it.
void Form1::WakeUi() {
  if (const HWND target = wake_target_.load()) PostMessageW(target, kWakeMessage, 0, 0);
}

void Form1::EndProgram() {
  if (ended_) return;
  ended_ = true;
  wake_target_ = nullptr;
  const HWND window = window_;
  window_ = nullptr;
  controls_.fill(nullptr);
  saved_focus_ = nullptr;
  if (window) DestroyWindow(window);
  PostQuitMessage(0);
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  Form1* self = FormOf(window);
  if (!self || self->window_ != window) return DefWindowProcW(window, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED &&
          reinterpret_cast<HWND>(lparam) == Control(ControlId::kCommand1)) {
        controller_.Command1_Click();
        return 0;
      }
      break;
    case WM_TIMER:
      if (wparam == kTimer1Id) {
        controller_.Timer1_Timer();
        return 0;
      }
      break;
    case kWakeMessage:
      controller_.Pump();
      return 0;
    case WM_DRAWITEM: {
      // The STATIC paints itself this way when its text changes.
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->hwndItem != Control(ControlId::kPicture1)) break;
      bridges_.Paint(item->hDC, item->rcItem);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      const ControlSpec* entry = SpecOf(reinterpret_cast<HWND>(lparam));
      const auto device = reinterpret_cast<HDC>(wparam);
      if (entry && entry->red) {
        SetTextColor(device, RGB(255, 0, 0));
        SetBkColor(device, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      // A read-only box that is enabled looks like any other box: white,
      // not the grey of a disabled one.
      if (entry &&
          (entry->kind == ControlKind::kTextBox || entry->kind == ControlKind::kDetailsBox) &&
          IsWindowEnabled(reinterpret_cast<HWND>(lparam))) {
        SetTextColor(device, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(device, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) saved_focus_ = focus;
      } else if (saved_focus_ && IsWindowEnabled(saved_focus_)) {
        SetFocus(saved_focus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (saved_focus_ && IsWindowEnabled(saved_focus_)) {
        SetFocus(saved_focus_);
        return 0;
      }
      break;
    case WM_CLOSE: {
      std::int16_t cancel = 0;
      controller_.Form_Unload(cancel);
      return 0;
    }
    case WM_DESTROY:
      // Destroyed by anything but the program itself: end all the same.
      if (!ended_) {
        ended_ = true;
        PostQuitMessage(0);
      }
      return 0;
    case kWmGetDpiScaledSize: {
      auto* size = reinterpret_cast<SIZE*>(lparam);
      const int dpi = static_cast<int>(wparam);
      const form::FormPlaces places(dpi, pane_shown_,
                                    pane_shown_ ? MeasurePane() : form::PaneContent{});
      *size = WindowSizeForClient({places.Client().width, places.Client().height}, kStyle, kExStyle,
                                  dpi);
      return TRUE;
    }
    case kWmDpiChanged: {
      // Moved to a monitor of another resolution: everything is laid out
      // again there, from the corner Windows suggests.
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      const POINT corner{suggested->left, suggested->top};
      ApplyDpi(LOWORD(wparam), &corner);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

LRESULT CALLBACK Form1::ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR /*subclass*/, DWORD_PTR self) {
  return reinterpret_cast<Form1*>(self)->HandleControlMessage(control, message, wparam, lparam);
}

LRESULT Form1::HandleControlMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, ControlProc, 0);
    return DefSubclassProc(control, message, wparam, lparam);
  }
  if (control == Control(ControlId::kText1) && message == WM_CONTEXTMENU) {
    const MenuCheck mode{WideFromUtf8(form::WindowText(form::Message::kWindowChemistryMenuItem)),
                         controller_.ChemistryMode()};
    if (ShowEditMenu(control, lparam, mode)) controller_.SetChemistryMode(!mode.checked);
    return 0;
  }
  if (control == Control(ControlId::kText1) && message == WM_CHAR) {
    int key_ascii = static_cast<int>(wparam);
    controller_.Text1_KeyPress(key_ascii);
    // Enter has done its work. A one-line box would only beep at it, so it
    // goes no further; every other key reaches the box as the handler left it.
    if (key_ascii == form::kEnterKey || key_ascii == 0) return 0;
    return DefSubclassProc(control, message, static_cast<WPARAM>(key_ascii), lparam);
  }
  if (control == Control(ControlId::kText5) && message == WM_CHAR && wparam == VK_RETURN) {
    int key_ascii = form::kEnterKey;
    controller_.Text5_KeyPress(key_ascii);
    return 0;
  }
  if (control == Control(ControlId::kCommand1) && wparam == VK_RETURN) {
    // Enter, on the main keyboard or the keypad, presses the focused button
    // as Space does; a held key presses it once.
    if (message == WM_KEYDOWN && (lparam & (1 << 30)) == 0) controller_.Command1_Click();
    if (message == WM_KEYDOWN || message == WM_CHAR) return 0;
  }
  return DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace quorvel::win32
