// Typed coefficients that already balance an equation of several reactions are kept.

#pragma once

#include <optional>
#include <vector>

#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry::detail {

// The coefficients as typed, a missing one read as 1, in lowest terms, when
// at least one is typed, all are whole, and they balance every element and the charge; nullopt
// otherwise. Where several reactions combine, they are the writer's choice
// among the answers, and the one to keep.
std::optional<std::vector<Integer>> TypedBalance(const Equation& equation);

}  // namespace quorvel::chemistry::detail
