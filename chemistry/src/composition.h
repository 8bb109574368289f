// The composition matrix of a reading: a row per kind of atom and the charge.

#pragma once

#include <vector>

#include "null_space.h"
#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry::detail {

// One row per kind of atom (see AtomKind) in order of first appearance, then one for the charge
// when any species carries one; a column per species, reactants counted
// positive and products negative.
struct Composition {
  std::vector<int> row_elements;  // atom kinds; 0 is the charge
  std::vector<IntegerRow> rows;
};

Composition BuildComposition(const Equation& equation);

}  // namespace quorvel::chemistry::detail
