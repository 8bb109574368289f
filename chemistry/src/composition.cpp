// The composition matrix of a reading: a row per kind of atom and the charge.

#include "composition.h"

#include "atom_kind.h"

namespace quorvel::chemistry::detail {

Composition BuildComposition(const Equation& equation) {
  Composition composition;
  const std::size_t columns = equation.species.size();
  AtomKindIndex row_of;  // 0: no row yet
  bool charged = false;
  for (std::size_t c = 0; c < columns; ++c) {
    const Species& species = equation.species[c];
    const bool product = !equation.CountsAsReactant(c);
    for (const AtomCount& atoms : species.atoms) {
      std::size_t& row = row_of[AtomKind(atoms)];
      if (row == 0) {
        composition.row_elements.push_back(AtomKind(atoms));
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
      charge[c] = equation.CountsAsReactant(c) ? q : Integer(-q);
    }
  }
  return composition;
}

}  // namespace quorvel::chemistry::detail
