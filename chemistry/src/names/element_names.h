// The Chinese names of the 118 elements and what naming needs of each.

#pragma once

#include <string_view>

namespace quorvel::chemistry::names {

// What the rules need to know of an element to name it and its compounds.
struct ElementFacts {
  std::string_view name;  // one character, as Chinese textbooks print it: 氢, 铁, 鿫
  bool gas = false;       // its substance is named with 气: 氢气, 氦气
  int atoms = 1;          // atoms in its substance's formula: H2, Fe, I2
  bool metal = false;     // a metal: a cation by valence, and 亚 for the lower one
  int valence = 0;        // the cation's usual valence, 0 when none is taught
  int lower_valence = 0;  // the valence named with 亚 (亚铁 is Fe2+), 0 when none
  int anion_valence = 0;  // as a monatomic anion (氯化, 硫离子), 0 when none
};

// For atomic numbers 1 to 118.
const ElementFacts& Element(int atomic_number);

// The atomic number of a one-character element name, 0 when none.
int ElementByName(std::string_view name);

}  // namespace quorvel::chemistry::names
