#include "fonts.h"

#include <cmath>

#include "dpi.h"
#include "form/fonts.h"
#include "wide_text.h"

namespace quorvel::win32 {

LOGFONTW FontDescription(form::FontRole role, int dpi) {
  const form::FontSpec* entry = form::FontFor(role);
  if (!entry) return MessageFont(dpi);
  LOGFONTW font{};
  // In tenths of a point, so 10.5 pt stays exact.
  const int tenths = static_cast<int>(std::lround(entry->points * 10));
  font.lfHeight = -MulDiv(tenths, dpi, 720);
  font.lfWeight = entry->weight;
  font.lfCharSet = static_cast<BYTE>(entry->charset);
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = WideFromUtf8(entry->face);
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return font;
}

FontSet::FontSet(int dpi) {
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    const LOGFONTW description = FontDescription(static_cast<form::FontRole>(i), dpi);
    fonts_[i] = CreateFontIndirectW(&description);
  }
}

FontSet::~FontSet() { Release(); }

FontSet::FontSet(FontSet&& other) noexcept : fonts_(other.fonts_) { other.fonts_.fill(nullptr); }

FontSet& FontSet::operator=(FontSet&& other) noexcept {
  if (this != &other) {
    Release();
    fonts_ = other.fonts_;
    other.fonts_.fill(nullptr);
  }
  return *this;
}

void FontSet::Release() {
  for (HFONT& font : fonts_) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
}

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
  SIZE extent{0, 0};
  const HDC device = GetDC(window);
  if (!device) return extent;
  const HGDIOBJ previous = SelectObject(device, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(device, &metrics);
  if (!text.empty())
    GetTextExtentPoint32W(device, text.data(), static_cast<int>(text.size()), &extent);
  extent.cy = metrics.tmHeight;
  SelectObject(device, previous);
  ReleaseDC(window, device);
  return extent;
}

}  // namespace quorvel::win32
