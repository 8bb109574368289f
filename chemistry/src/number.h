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
// kMaxDigits digits; `role` says which number the failure names.
enum class NumberRole { kCount, kCharge };
Number ReadNumber(const SourceText& text, std::size_t i, int (*digit)(char32_t), NumberRole role);

}  // namespace quorvel::chemistry::detail
