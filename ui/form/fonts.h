#pragma once

// The window's fonts as data. Faces are UTF-8; character set 134 is GB2312,
// 0 the Western set. None is italic, underlined or struck through.
#include <span>

#include "form/controls.h"

namespace quorvel::form {

struct FontSpec {
  const char* face;
  double points;
  int weight;  // 400 normal, 700 bold
  int charset;
};

// Null for FontRole::kWindowDefault: the toolkit's own font.
const FontSpec* FontFor(FontRole role);

// Faces that stand in, in order, where the requested face is missing or lacks
// a glyph (Chinese in Verdana, any of it where 微软雅黑 is not installed).
// Which ones depends on what the platform has: one list per platform.
std::span<const char* const> FallbackFaces(FontRole role);

}  // namespace quorvel::form
