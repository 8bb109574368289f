// Amounts from given masses or moles: what reacts, the limiting reactant, what is left.

#include "amounts.h"

#include <optional>

namespace quorvel::chemistry::detail {

Rational MolesOf(const GivenAmount& amount, const Rational& relative_mass) {
  switch (amount.unit) {
    case MassUnit::kMole:
      return amount.value;
    case MassUnit::kKilogram:
      return amount.value * 1000 / relative_mass;
    case MassUnit::kMilligram:
      return amount.value / 1000 / relative_mass;
    case MassUnit::kGram:
      break;
  }
  return amount.value / relative_mass;
}

Amounts ReactingAmounts(const std::vector<SpeciesDetails>& species,
                        const std::vector<GivenIndex>& given, int mass_decimals) {
  Amounts amounts;
  amounts.mass_decimals = mass_decimals;
  // The extent of reaction: moles of the equation as balanced.
  std::optional<Rational> extent;
  std::size_t first_out = 0;
  for (const GivenIndex& entry : given) {
    const Rational runs = entry.moles / Rational(species[entry.species].coefficient);
    if (!extent || runs < *extent) {
      extent = runs;
      first_out = entry.species;
    }
  }
  for (std::size_t i = 0; i < species.size(); ++i) {
    const Rational moles = *extent * Rational(species[i].coefficient);
    amounts.amounts.push_back({i, moles, moles * species[i].relative_mass});
  }
  for (const GivenIndex& entry : given) {
    const Rational left = entry.moles - amounts.amounts[entry.species].moles;
    if (left > 0)
      amounts.left_over.push_back(
          {entry.species, left, left * species[entry.species].relative_mass});
  }
  if (given.size() >= 2 && !amounts.left_over.empty()) amounts.limiting = first_out;
  return amounts;
}

}  // namespace quorvel::chemistry::detail
