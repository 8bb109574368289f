// Coefficients in whole formula units when an adduct part has a fractional count.

#pragma once

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/solve.h"

namespace quorvel::chemistry::detail {

// Solve counts a species in the formula units its atoms were counted for
// (Species::units, 2 for CaSO4·½H2O); the answer counts whole formula units.
// Rescales every vector of the solution to that, smallest and whole again.
void CountFormulaUnits(const Equation& equation, Solution& solution);

}  // namespace quorvel::chemistry::detail
