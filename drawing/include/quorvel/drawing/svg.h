#pragma once

#include <string>

#include "quorvel/drawing/picture.h"

namespace quorvel::drawing {

// The font the SVG asks for, and what its runs are measured as.
inline constexpr const char* kSvgFontFamily =
    "'Noto Sans CJK SC', 'Microsoft YaHei', 'WenQuanYi Micro Hei', sans-serif";

// A standalone SVG document (UTF-8): a title and description from the
// picture's words, the font family pinned, each run stretched to the width it
// was laid out with, no scripts.
std::string ToSvg(const Picture& picture);

}  // namespace quorvel::drawing
