#pragma once

#include <utility>
#include <vector>

#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry::detail {

// A species' atoms by element, isotopes together (D2O is H2 O1), in order of
// first appearance.
using ElementCounts = std::vector<std::pair<int, Integer>>;

ElementCounts CountElements(const Species& species);

// The count of `element`, 0 when absent.
Integer CountOf(const ElementCounts& counts, int element);

// Elements outside the nonmetals and metalloids: the ones that form cations.
bool IsMetal(int element);

}  // namespace quorvel::chemistry::detail
