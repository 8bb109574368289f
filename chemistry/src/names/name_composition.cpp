// The composition a candidate name reads as, remembered across calls.

#include "name_composition.h"

#include "name_rules.h"
#include "remembered.h"

namespace quorvel::chemistry::names {

std::optional<Composition> CompositionOfName(const std::string& name) {
  // Candidate names come from the tables of parts (cations × anions, number
  // words up to 九十九), so the memo stays small.
  static detail::Remembered<std::optional<Composition>> remembered(1 << 16);
  return remembered.Get(name, [&]() -> std::optional<Composition> {
    const std::optional<std::string> formula = BuildFormula(name);
    return formula ? CompositionOf(*formula) : std::nullopt;
  });
}

}  // namespace quorvel::chemistry::names
