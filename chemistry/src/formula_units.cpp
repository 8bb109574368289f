// Coefficients in whole formula units when an adduct part has a fractional count.

#include "formula_units.h"

#include <algorithm>

namespace quorvel::chemistry::detail {
namespace {

void Rescale(const Equation& equation, std::vector<Integer>& vector) {
  Integer common = 0;
  for (std::size_t i = 0; i < vector.size() && i < equation.species.size(); ++i) {
    vector[i] *= equation.species[i].units;
    common = gcd(common, vector[i]);
  }
  if (common > 1) {
    for (Integer& entry : vector) entry /= common;
  }
}

}  // namespace

void CountFormulaUnits(const Equation& equation, Solution& solution) {
  const bool all_whole = std::all_of(equation.species.begin(), equation.species.end(),
                                     [](const Species& species) { return species.units == 1; });
  if (all_whole) return;
  Rescale(equation, solution.coefficients);
  for (std::vector<Integer>& reaction : solution.reactions) Rescale(equation, reaction);
}

}  // namespace quorvel::chemistry::detail
