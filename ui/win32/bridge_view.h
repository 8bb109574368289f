#pragma once

// Picture1: the 双线桥 of a redox answer, painted with GDI in a native
// STATIC (owner-drawn, so screen readers still find a control with the
// picture's name as its text; its client object adds the description). A
// picture wider than its place scrolls sideways, by its scroll bar or the
// arrow keys; the right-click menu (or Shift+F10, the menu key) copies it.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "picture_fonts.h"
#include "quorvel/drawing/bridges.h"

namespace quorvel::win32 {

class BridgeView {
 public:
  BridgeView() = default;
  ~BridgeView();
  BridgeView(const BridgeView&) = delete;
  BridgeView& operator=(const BridgeView&) = delete;

  // Takes over Picture1's STATIC, made with SS_OWNERDRAW | SS_NOTIFY.
  void Attach(HWND control);
  // The figure to draw, or none; laid out at the next LayOut.
  void SetFigure(std::optional<drawing::BridgeFigure> figure);
  // Places the figure in the box font `box_font` (its size at the window's
  // dpi) within `width` pixels.
  void LayOut(const LOGFONTW& box_font, int width, int dpi);
  // The control's height: the picture's, and the scroll bar's when it
  // scrolls; 0 with nothing to draw.
  int Height() const;
  const drawing::Picture* Shown() const { return picture_ ? &*picture_ : nullptr; }
  // The control's client area, drawn off screen first.
  void Paint(HDC device, const RECT& client) const;
  // The picture on the clipboard as CF_DIB, at its own size.
  bool CopyImage() const;

 private:
  static LRESULT CALLBACK Proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                               UINT_PTR subclass, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool Scrolls() const { return picture_ && picture_->wider_than_asked; }
  void ScrollTo(int x);
  void ShowMenu(LPARAM where);

  HWND control_ = nullptr;
  std::optional<drawing::BridgeFigure> figure_;
  std::optional<drawing::Picture> picture_;
  std::unique_ptr<PictureFonts> fonts_;
  int dpi_ = 96;
  int width_ = 0;
  int scroll_x_ = 0;
  std::wstring description_;
};

}  // namespace quorvel::win32
