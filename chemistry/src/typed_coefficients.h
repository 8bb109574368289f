// Typed coefficients that already balance: the writer's choice, kept.

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

// The coefficients as typed, fractions and decimals included (1/2O2, 0.5O2,
// ½O2) and a missing one read as 1, when they balance every element and the
// charge: the smallest whole numbers in their ratio, counted in whole formula
// units. nullopt when they do not balance. A thermochemical equation's ΔH
// belongs to exactly these.
std::optional<std::vector<Integer>> TypedRatioBalance(const Equation& equation);

}  // namespace quorvel::chemistry::detail
