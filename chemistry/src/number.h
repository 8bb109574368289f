// Reading numbers: counts, charges, fractions and typed coefficients.

#pragma once

#include <cstddef>

#include "quorvel/chemistry/integer.h"
#include "source_text.h"

namespace quorvel::chemistry::detail {

struct Number {
  Integer value;
  std::size_t end = 0;  // the character after the last digit
};

int AsciiDigit(char32_t c);

// Reads the run of digits that starts at i, all of the kind `digit` tells
// (ASCII, subscript or superscript). Fails on a value of 0 or on more than
// kMaxDigits digits; `role` says which number the failure names. No digit
// at or past `limit` is read: a charge may take the last digit of a count.
enum class NumberRole { kCount, kCharge };
Number ReadNumber(const SourceText& text, std::size_t i, int (*digit)(char32_t), NumberRole role,
                  std::size_t limit = static_cast<std::size_t>(-1));

// A count written as a fraction or decimal, in lowest terms: 5, 0.5, ½, 1½,
// 1/2.
struct Fraction {
  Integer numerator;
  Integer denominator = 1;
  std::size_t end = 0;
};

// The length of the number at i written with ASCII digits, a decimal point
// or a fraction (2, 0.5, ½, 1½, 3/2); 0 when none starts there.
std::size_t FractionLength(const SourceText& text, std::size_t i);

// Reads the count FractionLength finds at i. Fails on a value of 0 or on
// more than kMaxDigits digits.
Fraction ReadFraction(const SourceText& text, std::size_t i);

}  // namespace quorvel::chemistry::detail
