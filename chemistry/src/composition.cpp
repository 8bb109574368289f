#include "composition.h"

#include <array>

#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {

Composition BuildComposition(const Equation& equation) {
  Composition composition;
  const std::size_t columns = equation.species.size();
  std::array<std::size_t, kElementCount + 1> row_of{};  // 0: no row yet
  bool charged = false;
  for (std::size_t c = 0; c < columns; ++c) {
    const Species& species = equation.species[c];
    const bool product = c >= equation.reactant_count;
    for (const AtomCount& atoms : species.atoms) {
      std::size_t& row = row_of[static_cast<std::size_t>(atoms.element)];
      if (row == 0) {
        composition.row_elements.push_back(atoms.element);
        composition.rows.emplace_back(columns);
        row = composition.rows.size();
      }
      composition.rows[row - 1][c] = product ? Integer(-atoms.count) : atoms.count;
    }
    charged = charged || species.charge != 0;
  }
  if (charged) {
    composition.row_elements.push_back(0);
    IntegerRow& charge = composition.rows.emplace_back(columns);
    for (std::size_t c = 0; c < columns; ++c) {
      const Integer& q = equation.species[c].charge;
      charge[c] = c >= equation.reactant_count ? Integer(-q) : q;
    }
  }
  return composition;
}

}  // namespace quorvel::chemistry::detail
