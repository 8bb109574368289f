// The atoms a name's formula holds, to compare names with formulas.

#include "composition.h"

#include <string>

#include "quorvel/chemistry/parser.h"

namespace quorvel::chemistry::names {
namespace {

constexpr int kHydrogen = 1;
constexpr int kOxygen = 8;

}  // namespace

std::optional<Composition> Composition::LessWater(int count) const {
  Composition less = *this;
  const auto take = [&less](int element, int n) {
    const auto it = less.atoms.find(element);
    if (it == less.atoms.end() || it->second < n) return false;
    it->second -= n;
    if (it->second == 0) less.atoms.erase(it);
    return true;
  };
  if (!take(kHydrogen, 2 * count) || !take(kOxygen, count)) return std::nullopt;
  return less;
}

std::optional<Composition> CompositionOf(const Species& species) {
  Composition composition;
  for (const AtomCount& atoms : species.atoms) {
    if (atoms.mass != 0) return std::nullopt;
    composition.atoms[atoms.element] += atoms.count;
  }
  composition.charge = species.charge;
  return composition;
}

// The reading is the one place that knows what a formula holds: the formula
// is read as the reactant of an equation that needs no balancing.
std::optional<Composition> CompositionOf(std::string_view formula) {
  const std::string text = std::string(formula) + " = " + std::string(formula);
  const ParseResult parsed = ParseEquation(text);
  if (!parsed.equation || parsed.equation->species.empty()) return std::nullopt;
  return CompositionOf(parsed.equation->species.front());
}

}  // namespace quorvel::chemistry::names
