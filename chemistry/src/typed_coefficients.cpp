// Typed coefficients that already balance an equation of several reactions are kept.

#include "typed_coefficients.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace quorvel::chemistry::detail {
namespace {

// A whole coefficient as typed ("2", "010"); nullopt for a fraction or a
// decimal, which a species counted in whole formula units never needs here.
std::optional<Integer> WholeCoefficient(const std::string& typed) {
  if (typed.empty()) return Integer(1);
  if (typed.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::size_t first = typed.find_first_not_of('0');  // a leading 0 would read as octal
  if (first == std::string::npos) return std::nullopt;
  return Integer(typed.substr(first));
}

}  // namespace

std::optional<std::vector<Integer>> TypedBalance(const Equation& equation) {
  // With none typed, nothing says which combination the writer meant.
  const bool any_typed = std::any_of(equation.species.begin(), equation.species.end(),
                                     [](const Species& s) { return !s.typed_coefficient.empty(); });
  if (!any_typed) return std::nullopt;
  std::vector<Integer> coefficients;
  // Per atom kind ({0, 0} the charge): reactants minus products.
  std::map<std::pair<int, int>, Integer> net;
  Integer common = 0;
  for (std::size_t i = 0; i < equation.species.size(); ++i) {
    const Species& species = equation.species[i];
    std::optional<Integer> coefficient = WholeCoefficient(species.typed_coefficient);
    if (!coefficient || species.units != 1) return std::nullopt;
    const Integer signed_coefficient =
        equation.CountsAsReactant(i) ? *coefficient : Integer(-*coefficient);
    for (const AtomCount& atoms : species.atoms) {
      net[{atoms.element, atoms.mass}] += signed_coefficient * atoms.count;
    }
    net[{0, 0}] += signed_coefficient * species.charge;
    common = gcd(common, *coefficient);
    coefficients.push_back(std::move(*coefficient));
  }
  for (const auto& [kind, sum] : net) {
    if (sum != 0) return std::nullopt;
  }
  if (common > 1) {
    for (Integer& coefficient : coefficients) coefficient /= common;
  }
  return coefficients;
}

}  // namespace quorvel::chemistry::detail
