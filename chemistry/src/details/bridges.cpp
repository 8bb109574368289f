// The electron bridges of a redox answer: which atoms go to which states, never crossing.

#include "bridges.h"

#include <algorithm>

#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

struct Atoms {
  Rational state;
  std::size_t species;
  Rational count;  // in the equation as balanced
  bool averaged;
};

struct Sides {
  std::vector<Atoms> reactants;
  std::vector<Atoms> products;
};

std::vector<int> ElementsInOrder(const std::vector<SpeciesStates>& states) {
  std::vector<int> elements;
  for (const SpeciesStates& species : states) {
    for (const auto& entry : species.elements) {
      if (std::find(elements.begin(), elements.end(), entry.first) == elements.end()) {
        elements.push_back(entry.first);
      }
    }
  }
  return elements;
}

// Whether every atom of the element, on both sides, has one state: the
// common case (O -2, H +1 throughout), with nothing to pair.
bool KeepsOneState(int element, const std::vector<SpeciesStates>& states) {
  const Rational* first = nullptr;
  for (const SpeciesStates& species : states) {
    for (const auto& [symbol, atoms] : species.elements) {
      if (symbol != element) continue;
      for (const AtomState& group : atoms) {
        if (first == nullptr) {
          first = &group.state;
        } else if (group.state != *first) {
          return false;
        }
      }
    }
  }
  return true;
}

Sides AtomsOf(int element, const Equation& equation, const std::vector<Integer>& coefficients,
              const std::vector<SpeciesStates>& states) {
  Sides sides;
  for (std::size_t i = 0; i < states.size(); ++i) {
    const Integer& units = equation.species[i].units;
    const Rational per_unit =
        units == 1 ? Rational(coefficients[i]) : Rational(coefficients[i], units);
    for (const auto& [symbol, atoms] : states[i].elements) {
      if (symbol != element) continue;
      for (const AtomState& group : atoms) {
        auto& side = i < equation.reactant_count ? sides.reactants : sides.products;
        side.push_back({group.state, i, per_unit * group.count, group.averaged});
      }
    }
  }
  const auto by_state = [](const Atoms& a, const Atoms& b) {
    return a.state != b.state ? a.state < b.state : a.species < b.species;
  };
  std::sort(sides.reactants.begin(), sides.reactants.end(), by_state);
  std::sort(sides.products.begin(), sides.products.end(), by_state);
  return sides;
}

Rational StateSum(const std::vector<Atoms>& side) {
  Rational sum = 0;
  for (const Atoms& atoms : side) sum += atoms.state * atoms.count;
  return sum;
}

bool OnlyRearranges(const Sides& sides) {
  const auto averaged = [](const Atoms& atoms) { return atoms.averaged; };
  const bool any_averaged = std::any_of(sides.reactants.begin(), sides.reactants.end(), averaged) ||
                            std::any_of(sides.products.begin(), sides.products.end(), averaged);
  return any_averaged && StateSum(sides.reactants) == StateSum(sides.products);
}

void AddBridge(std::vector<Bridge>& bridges, Bridge bridge) {
  for (Bridge& known : bridges) {
    if (known.symbol == bridge.symbol && known.from == bridge.from && known.to == bridge.to &&
        known.reactant == bridge.reactant && known.product == bridge.product) {
      known.atoms += bridge.atoms;
      return;
    }
  }
  bridges.push_back(std::move(bridge));
}

void Pair(int element, Sides sides, std::vector<Bridge>& bridges) {
  std::size_t r = 0;
  std::size_t p = 0;
  while (r < sides.reactants.size() && p < sides.products.size()) {
    Atoms& from = sides.reactants[r];
    Atoms& to = sides.products[p];
    const Rational atoms = std::min(from.count, to.count);
    if (from.state != to.state) {
      const Rational change = to.state - from.state;
      AddBridge(bridges, {std::string(ElementSymbol(element)), from.state, to.state, from.species,
                          to.species, atoms, change < 0 ? Rational(-change) : change, change < 0});
    }
    from.count -= atoms;
    to.count -= atoms;
    if (from.count == 0) ++r;
    if (to.count == 0) ++p;
  }
}

void AddOnce(std::vector<std::size_t>& list, std::size_t species) {
  if (std::find(list.begin(), list.end(), species) == list.end()) list.push_back(species);
}

}  // namespace

std::optional<Redox> FindBridges(const Equation& equation, const std::vector<Integer>& coefficients,
                                 const std::vector<SpeciesStates>& states) {
  Redox redox;
  for (const int element : ElementsInOrder(states)) {
    if (KeepsOneState(element, states)) continue;
    Sides sides = AtomsOf(element, equation, coefficients, states);
    if (OnlyRearranges(sides)) continue;
    Pair(element, std::move(sides), redox.changes);
  }
  if (redox.changes.empty()) return std::nullopt;
  Rational gained = 0;
  Rational lost = 0;
  for (const Bridge& bridge : redox.changes) {
    (bridge.gained ? gained : lost) += bridge.atoms * bridge.electrons_each;
    AddOnce(bridge.gained ? redox.oxidizing_agents : redox.reducing_agents, bridge.reactant);
    AddOnce(bridge.gained ? redox.reduction_products : redox.oxidation_products, bridge.product);
  }
  // A half-reaction moves its electrons to or from e-: one side's sum is 0.
  redox.electrons = std::max(gained, lost);
  for (auto* list : {&redox.oxidizing_agents, &redox.reducing_agents, &redox.oxidation_products,
                     &redox.reduction_products}) {
    std::sort(list->begin(), list->end());
  }
  return redox;
}

}  // namespace quorvel::chemistry::detail
