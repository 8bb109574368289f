#pragma once

#include <cstdint>
#include <optional>

#include "quorvel/text.h"

namespace quorvel::reference {

// The atom counter's rules followed step by step, 1-based, with a fresh group
// lookup at every match: slow, and kept plain so that it can be read against
// the rules. The engine's counting walk must give the same numbers.
std::optional<std::int16_t> GroupMultiplier(const Text& compound, const Text& symbol);
std::int16_t CountAtoms(const Text& compound, const Text& symbol);

}  // namespace quorvel::reference
