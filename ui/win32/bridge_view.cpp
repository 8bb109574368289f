#include "bridge_view.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "accessible_picture.h"
#include "dpi.h"
#include "form/texts.h"
#include "picture_painter.h"
#include "wide_text.h"

namespace quorvel::win32 {
namespace {

constexpr UINT_PTR kCopyImageItem = 1;

}  // namespace

BridgeView::~BridgeView() {
  if (control_) RemoveWindowSubclass(control_, Proc, 0);
}

void BridgeView::Attach(HWND control) {
  control_ = control;
  if (control_) SetWindowSubclass(control_, Proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void BridgeView::SetFigure(std::optional<drawing::BridgeFigure> figure) {
  figure_ = std::move(figure);
  if (!figure_) picture_.reset();
  if (!control_) return;
  // What a screen reader says of it: the picture's name and its bridges in
  // words (WM_GETOBJECT).
  SetWindowTextW(control_, figure_ ? WideFromUtf8(figure_->name).c_str() : L"");
  description_ = figure_ ? WideFromUtf8(figure_->description) : std::wstring();
}

void BridgeView::LayOut(const LOGFONTW& box_font, int width, int dpi) {
  dpi_ = dpi;
  width_ = width;
  if (!figure_) {
    picture_.reset();
    fonts_.reset();
  } else {
    const double size = std::abs(static_cast<double>(box_font.lfHeight));
    fonts_ = std::make_unique<PictureFonts>(box_font, size);
    picture_ = drawing::LayOut(*figure_, {size, static_cast<double>(width)}, *fonts_);
  }
  if (!control_) return;
  ShowScrollBar(control_, SB_HORZ, Scrolls() ? TRUE : FALSE);
  if (Scrolls()) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = static_cast<int>(PictureSize(*picture_).cx) - 1;
    info.nPage = static_cast<UINT>(std::max(1, width));
    SetScrollInfo(control_, SB_HORZ, &info, FALSE);
  }
  ScrollTo(Scrolls() ? scroll_x_ : 0);
  InvalidateRect(control_, nullptr, FALSE);
}

int BridgeView::Height() const {
  if (!picture_) return 0;
  return static_cast<int>(PictureSize(*picture_).cy) +
         (Scrolls() ? SystemMetric(SM_CYHSCROLL, dpi_) : 0);
}

void BridgeView::ScrollTo(int x) {
  const int widest =
      picture_ ? std::max(0, static_cast<int>(PictureSize(*picture_).cx) - width_) : 0;
  scroll_x_ = std::clamp(x, 0, widest);
  if (!control_ || !Scrolls()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  info.nPos = scroll_x_;
  SetScrollInfo(control_, SB_HORZ, &info, TRUE);
  InvalidateRect(control_, nullptr, FALSE);
}

void BridgeView::Paint(HDC device, const RECT& client) const {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  // Drawn whole off screen, then shown at once: no flicker while scrolling.
  const HDC memory = CreateCompatibleDC(device);
  const HBITMAP bitmap = CreateCompatibleBitmap(device, width, height);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  const RECT all{0, 0, width, height};
  FillRect(memory, &all, GetSysColorBrush(COLOR_WINDOW));
  if (picture_ && fonts_) {
    PaintPicture(memory, *picture_, *fonts_, {-scroll_x_, 0}, GetSysColor(COLOR_WINDOWTEXT));
  }
  BitBlt(device, client.left, client.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

bool BridgeView::CopyImage() const {
  if (!picture_ || !fonts_) return false;
  const PictureImage image =
      RenderPicture(*picture_, *fonts_, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
  const HGLOBAL dib = PackedDib(image);
  if (!dib) return false;
  if (!OpenClipboard(control_)) {
    GlobalFree(dib);
    return false;
  }
  EmptyClipboard();
  // The system makes CF_BITMAP from it for the programs that ask for that.
  const bool placed = SetClipboardData(CF_DIB, dib) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(dib);
  return placed;
}

void BridgeView::ShowMenu(LPARAM where) {
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (where == -1) {
    // From the keyboard: at the control's corner.
    at = {0, 0};
    ClientToScreen(control_, &at);
  }
  const HMENU menu = CreatePopupMenu();
  if (!menu) return;
  const std::wstring label = WideFromUtf8(form::WindowText(form::Message::kDrawingCopyImage));
  AppendMenuW(menu, MF_STRING | (picture_ ? 0u : static_cast<UINT>(MF_GRAYED)), kCopyImageItem,
              label.c_str());
  const auto chosen = static_cast<UINT_PTR>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, control_, nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyImageItem) CopyImage();
}

LRESULT CALLBACK BridgeView::Proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR /*subclass*/, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    auto* view = reinterpret_cast<BridgeView*>(self);
    RemoveWindowSubclass(control, Proc, 0);
    view->control_ = nullptr;
    return DefSubclassProc(control, message, wparam, lparam);
  }
  return reinterpret_cast<BridgeView*>(self)->Handle(message, wparam, lparam);
}

LRESULT BridgeView::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  const int line = std::max(1, MulDiv(16, dpi_, kDefaultDpi));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers it all
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC device = BeginPaint(control_, &paint);
      RECT client{};
      GetClientRect(control_, &client);
      Paint(device, client);
      EndPaint(control_, &paint);
      return 0;
    }
    case WM_GETOBJECT:
      if (const LRESULT answer = AnswerGetObject(control_, wparam, lparam, description_)) {
        return answer;
      }
      break;
    case WM_CONTEXTMENU:
      ShowMenu(lparam);
      return 0;
    case WM_LBUTTONDOWN:
      // Focused, its arrow keys scroll it and Shift+F10 opens its menu.
      if (picture_) SetFocus(control_);
      break;
    case WM_GETDLGCODE:
      if (Scrolls()) return DLGC_WANTARROWS;
      break;
    case WM_KEYDOWN:
      if (!Scrolls()) break;
      if (wparam == VK_LEFT) ScrollTo(scroll_x_ - line);
      if (wparam == VK_RIGHT) ScrollTo(scroll_x_ + line);
      if (wparam == VK_HOME) ScrollTo(0);
      if (wparam == VK_END) ScrollTo(static_cast<int>(PictureSize(*picture_).cx));
      if (wparam == VK_LEFT || wparam == VK_RIGHT || wparam == VK_HOME || wparam == VK_END) {
        return 0;
      }
      break;
    case WM_HSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_ALL;
      GetScrollInfo(control_, SB_HORZ, &info);
      const int page = static_cast<int>(info.nPage);
      switch (LOWORD(wparam)) {
        case SB_LINELEFT:
          ScrollTo(scroll_x_ - line);
          break;
        case SB_LINERIGHT:
          ScrollTo(scroll_x_ + line);
          break;
        case SB_PAGELEFT:
          ScrollTo(scroll_x_ - page);
          break;
        case SB_PAGERIGHT:
          ScrollTo(scroll_x_ + page);
          break;
        case SB_LEFT:
          ScrollTo(0);
          break;
        case SB_RIGHT:
          ScrollTo(info.nMax);
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          ScrollTo(info.nTrackPos);
          break;
        default:
          break;
      }
      return 0;
    }
    default:
      break;
  }
  return DefSubclassProc(control_, message, wparam, lparam);
}

}  // namespace quorvel::win32
