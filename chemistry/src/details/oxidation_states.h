// Oxidation states by the textbook's rules, with known ions kept apart.

#pragma once

#include <utility>
#include <vector>

#include "quorvel/chemistry/details.h"

namespace quorvel::chemistry::detail {

// How many atoms of an element in one species have a state. `averaged` when
// the state is the mean over atoms that cannot be told apart (Fe3O4 +8/3,
// the carbon of an organic compound).
struct AtomState {
  Rational state;
  Integer count;
  bool averaged = false;
};

struct SpeciesStates {
  bool decided = true;
  int undecided_element = 0;  // atomic number, when not decided
  // Per element, in order of first appearance; several states only where
  // an ion of textbooks' tables keeps its atoms apart (NH4NO3).
  std::vector<std::pair<int, std::vector<AtomState>>> elements;
};

// By textbooks' rules: F -1; the alkali metals +1, the alkaline earths +2,
// Al +3, Zn +2, Ag +1; H +1, -1 with metals only; O -2 unless the rest forces
// otherwise (peroxides, superoxides, OF2); the sum is the charge. A formula
// made of known ions takes their states; where two or more elements remain
// open, the most electronegative nonmetal takes its lowest state.
SpeciesStates OxidationStates(const Species& species);

}  // namespace quorvel::chemistry::detail
