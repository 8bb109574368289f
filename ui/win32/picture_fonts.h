#pragma once

// The 双线桥's fonts in GDI: the box font at each pixel size the picture
// asks for, measured with the same fonts it is painted in. A character the
// box font lacks (under Wine's stand-in, the superscript minus of "e⁻") is
// measured and drawn from a face that has it.
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/drawing/picture.h"

namespace quorvel::win32 {

class PictureFonts final : public drawing::TextMeasure {
 public:
  // `face`: the box font's description, its height replaced by each run's
  // size; runs smaller than `equation_size` (states, labels) are regular.
  PictureFonts(const LOGFONTW& face, double equation_size);
  ~PictureFonts() override;
  PictureFonts(const PictureFonts&) = delete;
  PictureFonts& operator=(const PictureFonts&) = delete;

  double Width(std::string_view utf8, double size) const override;
  double Ascent(double size) const override;
  double Descent(double size) const override;

  // A run in stretches of one font each, with their widths in pixels.
  struct Segment {
    std::wstring text;
    HFONT font = nullptr;
    int width = 0;
  };
  std::vector<Segment> Segments(std::string_view utf8, double size) const;

 private:
  struct Sized {
    HFONT primary = nullptr;
    HFONT fallback = nullptr;  // null when no face at hand has what the box font lacks
    TEXTMETRICW metrics{};
  };
  const Sized& At(double size) const;
  HFONT Fallback(const LOGFONTW& sized) const;

  LOGFONTW face_;
  double equation_size_;
  HDC device_;
  mutable std::map<int, Sized> sizes_;
};

}  // namespace quorvel::win32
