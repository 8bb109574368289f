#pragma once

#include <string>

#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry {

// The composition matrix of a reading as the window's matrix box shows it:
// one line per element in order of first appearance, then one for the
// charge when any species carries one; a field per species, reactants
// positive and products negative, each followed by four spaces; CR LF after
// every line. The counts are exact, however large.
std::string CompositionMatrixText(const Equation& equation);

}  // namespace quorvel::chemistry
