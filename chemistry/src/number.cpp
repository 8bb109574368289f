// Reading numbers: counts, charges, fractions and typed coefficients.

#include "number.h"

#include <cstdint>
#include <utility>

#include "characters.h"
#include "parse_failure.h"
#include "quorvel/chemistry/parser.h"

namespace quorvel::chemistry::detail {

int AsciiDigit(char32_t c) { return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : -1; }

Number ReadNumber(const SourceText& text, std::size_t i, int (*digit)(char32_t), NumberRole role,
                  std::size_t limit) {
  std::size_t end = i;
  while (end < limit && digit(text[end]) >= 0) ++end;
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

namespace {

struct FractionParts {
  std::size_t whole_end;     // after the digits before any point
  std::size_t decimals_end;  // after the digits after the point; whole_end when none
  std::size_t end;           // after a vulgar fraction or a denominator, if any
  bool slash = false;        // 1/2: the digits from whole_end + 1 to end are the denominator
};

FractionParts SplitFraction(const SourceText& text, std::size_t i) {
  FractionParts parts{i, i, i};
  while (IsDigit(text[parts.whole_end])) ++parts.whole_end;
  parts.decimals_end = parts.end = parts.whole_end;
  if (parts.whole_end > i && text[parts.whole_end] == U'/' && IsDigit(text[parts.whole_end + 1])) {
    parts.slash = true;
    parts.end = parts.whole_end + 1;
    while (IsDigit(text[parts.end])) ++parts.end;
  } else if (parts.whole_end > i && text[parts.whole_end] == U'.' &&
             IsDigit(text[parts.whole_end + 1])) {
    parts.decimals_end = parts.whole_end + 1;
    while (IsDigit(text[parts.decimals_end])) ++parts.decimals_end;
    parts.end = parts.decimals_end;
  } else if (VulgarFraction(text[parts.whole_end]).denominator != 0) {
    parts.end = parts.whole_end + 1;
  }
  return parts;
}

}  // namespace

std::size_t FractionLength(const SourceText& text, std::size_t i) {
  const FractionParts parts = SplitFraction(text, i);
  return parts.end - i;
}

Fraction ReadFraction(const SourceText& text, std::size_t i) {
  const FractionParts parts = SplitFraction(text, i);
  if (parts.end - i > kMaxDigits) {
    Reason reason;
    reason.kind = ReasonKind::kLongCount;
    reason.position = i + 1;
    reason.count = kMaxDigits;
    Fail(std::move(reason));
  }
  std::string digits;
  for (std::size_t k = i; k < parts.decimals_end; ++k) {
    if (IsDigit(text[k])) digits += static_cast<char>(text[k]);
  }
  Fraction fraction;
  fraction.end = parts.end;
  // Text with a leading 0 would be read as octal.
  digits.erase(0, digits.find_first_not_of('0'));
  fraction.numerator = digits.empty() ? Integer(0) : Integer(digits);
  if (parts.slash) {
    std::string over;
    for (std::size_t k = parts.whole_end + 1; k < parts.end; ++k) over += static_cast<char>(text[k]);
    over.erase(0, over.find_first_not_of('0'));
    if (over.empty()) FailAt(ReasonKind::kZeroCount, parts.whole_end + 1);
    fraction.denominator = Integer(over);
  } else if (parts.decimals_end > parts.whole_end) {
    fraction.denominator =
        pow(Integer(10), static_cast<unsigned>(parts.decimals_end - parts.whole_end - 1));
  } else if (parts.end > parts.whole_end) {
    const SmallFraction vulgar = VulgarFraction(text[parts.whole_end]);
    fraction.denominator = vulgar.denominator;
    fraction.numerator = fraction.numerator * vulgar.denominator + vulgar.numerator;
  }
  if (fraction.numerator == 0) FailAt(ReasonKind::kZeroCount, i);
  const Integer common = gcd(fraction.numerator, fraction.denominator);
  fraction.numerator /= common;
  fraction.denominator /= common;
  return fraction;
}

}  // namespace quorvel::chemistry::detail
