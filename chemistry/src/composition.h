// The composition matrix of a reading: a row per kind of atom and the charge.

#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "null_space.h"
#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/solve.h"

namespace quorvel::chemistry::detail {

// One row per kind of atom (see AtomKind) in order of first appearance, then one for the charge
// when any species carries one; a column per species, reactants counted
// positive and products negative.
struct Composition {
  std::vector<int> row_elements;  // atom kinds; 0 is the charge
  std::vector<IntegerRow> rows;
};

Composition BuildComposition(const Equation& equation);

// Solve and CompositionMatrixText from a composition built once: an answer
// needs both.
Solution SolveComposition(const Equation& equation, const Composition& composition,
                          std::chrono::steady_clock::time_point deadline);
std::string MatrixText(const Composition& composition);

}  // namespace quorvel::chemistry::detail
