// Exact fractions written as decimals, rounded only for printing.

#pragma once

#include <optional>
#include <string_view>

#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry::detail {

// "31.6", "4", ".5" as an exact fraction; empty for anything else (signs included).
std::optional<Rational> ParseDecimal(std::string_view text);

// Rounded half away from zero to `decimals` digits after the point.
Rational RoundToDecimals(const Rational& value, int decimals);

}  // namespace quorvel::chemistry::detail
