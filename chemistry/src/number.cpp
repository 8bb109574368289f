#include "number.h"

#include <cstdint>
#include <utility>

#include "parse_failure.h"
#include "quorvel/chemistry/parser.h"

namespace quorvel::chemistry::detail {

int AsciiDigit(char32_t c) { return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : -1; }

Number ReadNumber(const SourceText& text, std::size_t i, int (*digit)(char32_t), NumberRole role) {
  std::size_t end = i;
  while (digit(text[end]) >= 0) ++end;
  if (end - i > kMaxDigits) {
    Reason reason;
    reason.kind = role == NumberRole::kCount ? ReasonKind::kLongCount : ReasonKind::kLongCharge;
    reason.position = i + 1;
    reason.count = kMaxDigits;
    Fail(std::move(reason));
  }
  // Eighteen digits at a time in a machine word: most counts never need more.
  Number number{0, end};
  std::uint64_t chunk = 0;
  std::uint64_t scale = 1;
  for (std::size_t k = i; k < end; ++k) {
    chunk = chunk * 10 + static_cast<std::uint64_t>(digit(text[k]));
    scale *= 10;
    if (scale == 1'000'000'000'000'000'000ULL || k + 1 == end) {
      number.value = number.value * scale + chunk;
      chunk = 0;
      scale = 1;
    }
  }
  if (number.value == 0) {
    FailAt(role == NumberRole::kCount ? ReasonKind::kZeroCount : ReasonKind::kZeroCharge, i);
  }
  return number;
}

}  // namespace quorvel::chemistry::detail
