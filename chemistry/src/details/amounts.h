// Amounts from given masses or moles: what reacts, the limiting reactant, what is left.

#pragma once

#include <vector>

#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry::detail {

// The amounts that react when `given` fix them: the given species that
// runs out first sets the extent, the others' excess is left over. The
// given formulas are known to be species of the equation, each once.
struct GivenIndex {
  std::size_t species;
  Rational moles;
};
Amounts ReactingAmounts(const std::vector<SpeciesDetails>& species,
                        const std::vector<GivenIndex>& given, int mass_decimals);

// Moles of `amount` of a substance of relative mass `relative_mass`.
Rational MolesOf(const GivenAmount& amount, const Rational& relative_mass);

}  // namespace quorvel::chemistry::detail
