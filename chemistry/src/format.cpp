// The balanced equation written back in the notation it was typed in.

#include "quorvel/chemistry/format.h"

namespace quorvel::chemistry {
namespace {

void AppendTerm(std::string& side, const Integer& coefficient, const Species& species) {
  if (!side.empty()) side += species.subtracted ? " - " : " + ";
  if (coefficient != 1) {
    side += coefficient.str();
    // "2CaSO4·H2O" would count the first part: "2 CaSO4·H2O" is the coefficient.
    if (species.adduct) side += ' ';
  }
  side += species.text;
}

}  // namespace

std::string FormatEquation(const Equation& equation, const std::vector<Integer>& coefficients) {
  std::string left;
  std::string right;
  for (std::size_t i = 0; i < equation.species.size() && i < coefficients.size(); ++i) {
    const Integer& coefficient = coefficients[i];
    if (coefficient == 0) continue;
    const bool reactant = i < equation.reactant_count;
    std::string& side = (coefficient > 0) == reactant ? left : right;
    AppendTerm(side, coefficient > 0 ? coefficient : Integer(-coefficient), equation.species[i]);
  }
  return equation.label + left + " " + equation.arrow + " " + right;
}

}  // namespace quorvel::chemistry
