#include "picture_fonts.h"

#include <cmath>

#include "wide_text.h"

namespace quorvel::win32 {
namespace {

constexpr WORD kMissing = 0xFFFF;

// Faces that have the superscripts and arrows of the chemistry texts: the
// system's on Windows, the host's DejaVu Sans under Wine.
constexpr const wchar_t* kFallbackFaces[] = {L"Segoe UI", L"Arial", L"DejaVu Sans"};

std::vector<WORD> Glyphs(HDC device, HFONT font, const std::wstring& text) {
  std::vector<WORD> glyphs(text.size(), kMissing);
  if (text.empty()) return glyphs;
  const HGDIOBJ previous = SelectObject(device, font);
  if (GetGlyphIndicesW(device, text.data(), static_cast<int>(text.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
    glyphs.assign(text.size(), 0);  // unknown: draw with the box font as it is
  }
  SelectObject(device, previous);
  return glyphs;
}

bool IsSurrogate(wchar_t letter) { return letter >= 0xD800 && letter <= 0xDFFF; }

}  // namespace

PictureFonts::PictureFonts(const LOGFONTW& face, double equation_size)
    : face_(face), equation_size_(equation_size), device_(CreateCompatibleDC(nullptr)) {}

PictureFonts::~PictureFonts() {
  for (auto& [pixels, sized] : sizes_) {
    if (sized.primary) DeleteObject(sized.primary);
    if (sized.fallback) DeleteObject(sized.fallback);
  }
  if (device_) DeleteDC(device_);
}

HFONT PictureFonts::Fallback(const LOGFONTW& sized) const {
  const std::wstring probe = L"\x207B";
  for (const wchar_t* face : kFallbackFaces) {
    LOGFONTW description = sized;
    description.lfCharSet = DEFAULT_CHARSET;
    std::wstring(face).copy(description.lfFaceName, LF_FACESIZE - 1);
    description.lfFaceName[std::wstring(face).size()] = L'\0';
    const HFONT font = CreateFontIndirectW(&description);
    if (!font) continue;
    // The mapper gives some font for any name: keep it only if it draws the sign.
    if (Glyphs(device_, font, probe)[0] != kMissing) return font;
    DeleteObject(font);
  }
  return nullptr;
}

const PictureFonts::Sized& PictureFonts::At(double size) const {
  const int pixels = std::max(1, static_cast<int>(std::lround(size)));
  const auto found = sizes_.find(pixels);
  if (found != sizes_.end()) return found->second;
  LOGFONTW description = face_;
  description.lfHeight = -pixels;
  description.lfWidth = 0;
  if (size < equation_size_ - 0.5) description.lfWeight = FW_NORMAL;
  Sized sized;
  sized.primary = CreateFontIndirectW(&description);
  const HGDIOBJ previous = SelectObject(device_, sized.primary);
  GetTextMetricsW(device_, &sized.metrics);
  SelectObject(device_, previous);
  if (Glyphs(device_, sized.primary, L"\x207B")[0] == kMissing)
    sized.fallback = Fallback(description);
  return sizes_.emplace(pixels, sized).first->second;
}

std::vector<PictureFonts::Segment> PictureFonts::Segments(std::string_view utf8,
                                                          double size) const {
  const Sized& sized = At(size);
  const std::wstring text = WideFromUtf8(utf8);
  std::vector<Segment> segments;
  if (text.empty()) return segments;
  const std::vector<WORD> primary = Glyphs(device_, sized.primary, text);
  const std::vector<WORD> fallback = sized.fallback ? Glyphs(device_, sized.fallback, text)
                                                    : std::vector<WORD>(text.size(), kMissing);
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A surrogate pair has no glyph index of its own: it stays with the box font.
    const bool borrow = !IsSurrogate(text[i]) && primary[i] == kMissing && fallback[i] != kMissing;
    const HFONT font = borrow ? sized.fallback : sized.primary;
    if (segments.empty() || segments.back().font != font) segments.push_back({{}, font, 0});
    segments.back().text += text[i];
  }
  for (Segment& segment : segments) {
    const HGDIOBJ previous = SelectObject(device_, segment.font);
    SIZE extent{0, 0};
    GetTextExtentPoint32W(device_, segment.text.data(), static_cast<int>(segment.text.size()),
                          &extent);
    SelectObject(device_, previous);
    segment.width = extent.cx;
  }
  return segments;
}

double PictureFonts::Width(std::string_view utf8, double size) const {
  int width = 0;
  for (const Segment& segment : Segments(utf8, size)) width += segment.width;
  return width;
}

double PictureFonts::Ascent(double size) const { return At(size).metrics.tmAscent; }

double PictureFonts::Descent(double size) const { return At(size).metrics.tmDescent; }

}  // namespace quorvel::win32
