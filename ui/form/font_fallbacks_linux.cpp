// Linux has neither Verdana nor 微软雅黑 as a rule: DejaVu Sans stands in for
// the Latin face, and whichever CJK face is installed draws the Chinese.
#include "form/fonts.h"

namespace quorvel::form {
namespace {

constexpr const char* kForVerdana[] = {"DejaVu Sans", "Microsoft YaHei", "WenQuanYi Micro Hei",
                                       "Noto Sans CJK SC"};
constexpr const char* kForYaHei[] = {"Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC",
                                     "DejaVu Sans"};

}  // namespace

std::span<const char* const> FallbackFaces(FontRole role) {
  const FontSpec* entry = FontFor(role);
  if (!entry) return {};
  if (entry->charset == 134) return kForYaHei;
  return kForVerdana;
}

}  // namespace quorvel::form
