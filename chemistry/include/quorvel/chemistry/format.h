#pragma once

#include <string>
#include <vector>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry {

// The equation with one coefficient per species: a coefficient of 1 is not
// written, a species at 0 is left out, and one with a negative coefficient is
// written on the other side. " + " joins species, the typed arrow the sides:
// "C12H22O11 + 12O2 = 12CO2 + 11H2O". A coefficient stands apart from an
// adduct, "2 CaSO4·2H2O", whose leading digits would count its first part.
std::string FormatEquation(const Equation& equation, const std::vector<Integer>& coefficients);

}  // namespace quorvel::chemistry
