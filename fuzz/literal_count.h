#pragma once

#include <cstdint>
#include <optional>

#include "quorvel/text.h"

namespace quorvel::fuzz {

// The atom counter's rules followed step by step, 1-based, with a fresh group
// lookup at every match: slow, and kept plain so that it can be read against
// the rules. The engine's counters must give the same numbers.
std::optional<std::int16_t> LiteralGroupMultiplier(const Text& compound, const Text& symbol);
std::int16_t LiteralCountAtoms(const Text& compound, const Text& symbol);

}  // namespace quorvel::fuzz
