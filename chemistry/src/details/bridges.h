// The electron bridges of a redox answer: which atoms go to which states, never crossing.

#pragma once

#include <optional>
#include <vector>

#include "oxidation_states.h"

namespace quorvel::chemistry::detail {

// The bridges of a balanced equation whose species' states are all decided:
// per element, its atoms paired in order of state on both sides, so that
// they go to the nearest states without crossing (归中不交叉) and atoms that
// keep their state drop out. An element whose averaged states only
// rearrange (the carbon of an esterification) has no bridge. Empty when no
// state changes.
std::optional<Redox> FindBridges(const Equation& equation, const std::vector<Integer>& coefficients,
                                 const std::vector<SpeciesStates>& states);

}  // namespace quorvel::chemistry::detail
