// Bonds written inside a formula: CH2=CH2, CH≡CH.

#include "bonds.h"

#include "characters.h"

namespace quorvel::chemistry::detail {
namespace {

// A "=" run that holds a condition up to a second run, =催化剂= or = 点燃 =:
// the end of the second run, 0 when it is a lone run.
std::size_t ConditionedEnd(const SourceText& text, std::size_t after_run) {
  std::size_t j = after_run;
  while (IsSpace(text[j])) ++j;
  bool condition = false;
  while (IsPrintable(text[j]) && !IsSpace(text[j]) && ArrowLength(text, j) == 0) {
    condition = condition || IsCondition(text[j]);
    ++j;
  }
  while (IsSpace(text[j])) ++j;
  const std::size_t second = ArrowLength(text, j);
  return condition && second > 0 ? j + second : 0;
}

}  // namespace

bool Bonds::At(std::size_t i) const {
  const char32_t c = text_[i];
  if (c != U'=' && c != U'≡') return false;
  const char32_t next = text_[i + 1];
  if (!IsCapital(next) && next != U'(' && next != U'[') return false;
  if (c == U'≡') return true;
  const std::optional<Sign> sign = OtherSign();
  return sign && (i < sign->begin || i >= sign->end);
}

std::optional<Bonds::Sign> Bonds::OtherSign() const {
  if (searched_) return other_sign_;
  searched_ = true;
  for (std::size_t i = 0; i < text_.size();) {
    const std::size_t length = ArrowLength(text_, i);
    if (length == 0) {
      ++i;
      continue;
    }
    const bool run =
        (text_[i] == U'=' || text_[i] == U'\u2550') && text_[i + length - 1] == text_[i];
    if (!run) {
      other_sign_ = Sign{i, i + length};
      break;
    }
    if (const std::size_t end = ConditionedEnd(text_, i + length); end > 0) {
      other_sign_ = Sign{i, end};
      break;
    }
    i += length;
  }
  return other_sign_;
}

}  // namespace quorvel::chemistry::detail
