#pragma once

// The form's fonts as Windows fonts at a given resolution.
#include <windows.h>

#include <array>
#include <string>

#include "form/controls.h"

namespace quorvel::win32 {

// The description CreateFontIndirectW gets for a role: the face, weight and
// character set of the font table, the size in points turned into a
// character height at `dpi` (negative: without the internal leading, which is
// how a size in points is meant). The window default is the message font.
LOGFONTW FontDescription(form::FontRole role, int dpi);

// One font per role at one resolution, deleted with the set.
class FontSet {
 public:
  FontSet() = default;  // none yet
  explicit FontSet(int dpi);
  ~FontSet();
  FontSet(FontSet&& other) noexcept;
  FontSet& operator=(FontSet&& other) noexcept;
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;

  HFONT For(form::FontRole role) const { return fonts_[static_cast<std::size_t>(role)]; }

 private:
  void Release();
  std::array<HFONT, 6> fonts_{};
};

// The extent of one line of `text` drawn with `font` by `window`'s device:
// the width of the text and the height of the font's lines.
SIZE TextExtent(HWND window, HFONT font, const std::wstring& text);

}  // namespace quorvel::win32
