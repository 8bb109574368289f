#pragma once

#include <cstdint>
#include <optional>

#include "quorvel/text.h"

namespace quorvel {

// Atoms of `symbol` in one formula by the program's reading rules: one-digit
// subscripts, only the first parenthesised group has a factor, the count
// never passes 32767. Never fails.
std::int16_t CountAtoms(const Text& compound, const Text& symbol);

// Factor (0 to 9) of the group holding the first occurrence of `symbol`, 0 when
// there is none; nullopt when that occurrence lies in the group and the
// character after the group's ")" is not a digit or is missing.
std::optional<std::int16_t> GroupMultiplier(const Text& compound, const Text& symbol);

}  // namespace quorvel
