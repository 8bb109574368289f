// Which kind of atom a count is: the element, or one of its labelled isotopes.

#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <string>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {

// Balancing tells atoms apart by element and, for a labelled atom, by mass
// number: ¹⁴C is not C. A kind is one int, the atomic number for the element
// as found, so that 0 stays free for the charge.
inline constexpr int kLargestMassNumber = 999;
inline int AtomKind(int element, int mass) { return element + (kElementCount + 1) * mass; }
inline int AtomKind(const AtomCount& atoms) { return AtomKind(atoms.element, atoms.mass); }

// "C", "D", "T", or the mass number in superscript before the symbol: "¹⁴C".
std::string AtomName(int kind);

// A place per atom kind: a table for the elements as found, a map for the
// few labelled ones. Each place holds 0 until its kind is first seen.
class AtomKindIndex {
 public:
  std::size_t& operator[](int kind) {
    if (kind <= kElementCount) return plain_[static_cast<std::size_t>(kind)];
    return labelled_[kind];
  }

 private:
  std::array<std::size_t, kElementCount + 1> plain_{};
  std::map<int, std::size_t> labelled_;
};

}  // namespace quorvel::chemistry::detail
