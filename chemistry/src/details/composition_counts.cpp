// A species' atoms counted per element, for masses and oxidation states.

#include "composition_counts.h"

#include <array>

namespace quorvel::chemistry::detail {

ElementCounts CountElements(const Species& species) {
  ElementCounts counts;
  for (const AtomCount& atoms : species.atoms) {
    bool found = false;
    for (auto& [element, count] : counts) {
      if (element == atoms.element) {
        count += atoms.count;
        found = true;
      }
    }
    if (!found) counts.emplace_back(atoms.element, atoms.count);
  }
  return counts;
}

Integer CountOf(const ElementCounts& counts, int element) {
  for (const auto& [symbol, count] : counts) {
    if (symbol == element) return count;
  }
  return 0;
}

std::optional<long long> SmallValue(const Integer& value) {
  // Far below the 64-bit limit, so that counts times small factors stay exact.
  constexpr long long kLimit = 1LL << 40;
  if (value >= kLimit || value <= -kLimit) return std::nullopt;
  return static_cast<long long>(value);
}

std::optional<SmallCounts> SmallCountsOf(const ElementCounts& counts) {
  SmallCounts small;
  for (const auto& [element, count] : counts) {
    const std::optional<long long> value = SmallValue(count);
    if (!value) return std::nullopt;
    small.emplace_back(element, *value);
  }
  return small;
}

long long CountOf(const SmallCounts& counts, int element) {
  for (const auto& [symbol, count] : counts) {
    if (symbol == element) return count;
  }
  return 0;
}

bool IsMetal(int element) {
  // H He B C N O F Ne Si P S Cl Ar Ge As Se Br Kr Sb Te I Xe At Rn Ts Og.
  static constexpr std::array<int, 26> kNonmetals = {1,  2,  5,  6,  7,  8,  9,   10, 14,
                                                     15, 16, 17, 18, 32, 33, 34,  35, 36,
                                                     51, 52, 53, 54, 85, 86, 117, 118};
  for (const int nonmetal : kNonmetals) {
    if (nonmetal == element) return false;
  }
  return true;
}

}  // namespace quorvel::chemistry::detail
