// Integers written in decimal, quickly for the counts that fit a machine word.

#pragma once

#include <limits>
#include <string>

#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry::detail {

// The same digits as value.str(), which goes the long way round for every
// value: nearly every count and coefficient fits a long long.
inline std::string DecimalText(const Integer& value) {
  using Limits = std::numeric_limits<long long>;
  if (value >= Limits::min() && value <= Limits::max()) {
    return std::to_string(static_cast<long long>(value));
  }
  return value.str();
}

}  // namespace quorvel::chemistry::detail
