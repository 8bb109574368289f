// A species' formula as the details show it, without marks and notes, and its name.

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry::detail {

// A species' text without what counts nothing: the state mark, the gas and
// precipitate arrows, a note in brackets ("HCl(浓)" is "HCl").
std::string FormulaText(std::string_view text);

// The one place a species' name is filled in: its systematic Chinese name,
// empty when it has none.
std::optional<std::string> SpeciesName(const Species& species);

}  // namespace quorvel::chemistry::detail
