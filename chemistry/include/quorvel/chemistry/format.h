#pragma once

#include <cstddef>
#include <optional>
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
// A ΔH term (Equation::enthalpy) is the answer's to add.
std::string FormatEquation(const Equation& equation, const std::vector<Integer>& coefficients);

// The equation with the coefficients as typed (1/2O2 stays 1/2O2), for a
// thermochemical equation whose ΔH belongs to them; written as FormatEquation
// writes it otherwise, without the ΔH.
std::string FormatAsTyped(const Equation& equation);

// One stretch of that text: a species' formula as typed, a coefficient, a
// sign between species, the arrow with its spaces, or the label.
struct EquationPiece {
  std::string text;
  std::optional<std::size_t> species;  // set on a formula: its index in the equation
  bool arrow = false;
};

// FormatEquation's text cut into its pieces, in the order written, for a
// front end that draws on a species (the electron bridges).
std::vector<EquationPiece> EquationPieces(const Equation& equation,
                                          const std::vector<Integer>& coefficients);

}  // namespace quorvel::chemistry
