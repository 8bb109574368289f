// A species' atoms counted per element, for masses and oxidation states.

#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry::detail {

// A species' atoms by element, isotopes together (D2O is H2 O1), in order of
// first appearance.
using ElementCounts = std::vector<std::pair<int, Integer>>;

ElementCounts CountElements(const Species& species);

// The same in machine integers, for the searches over ion tables; empty when
// a count or the charge is too large for them (no salt is).
using SmallCounts = std::vector<std::pair<int, long long>>;
std::optional<SmallCounts> SmallCountsOf(const ElementCounts& counts);
std::optional<long long> SmallValue(const Integer& value);
long long CountOf(const SmallCounts& counts, int element);

// The count of `element`, 0 when absent.
Integer CountOf(const ElementCounts& counts, int element);

// Elements outside the nonmetals and metalloids: the ones that form cations.
bool IsMetal(int element);

}  // namespace quorvel::chemistry::detail
