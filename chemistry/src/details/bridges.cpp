// The electron bridges of a redox answer: which atoms go to which states, never crossing.

#include "bridges.h"

#include <algorithm>

#include "quorvel/chemistry/periodic_table.h"
#include "small_fraction.h"

namespace quorvel::chemistry::detail {
namespace {

// Number is SmallFraction on the fast path, Rational when that overflows.
template <class Number>
struct Atoms {
  Number state;
  std::size_t species;
  Number count;  // in the equation as balanced
  bool averaged;
};

template <class Number>
struct Sides {
  std::vector<Atoms<Number>> reactants;
  std::vector<Atoms<Number>> products;
};

Rational Convert(const Rational& value, const Rational*) { return value; }
Rational Convert(const Integer& value, const Rational*) { return Rational(value); }
SmallFraction Convert(const Rational& value, const SmallFraction*) {
  return SmallFraction::Of(value);
}
SmallFraction Convert(const Integer& value, const SmallFraction*) {
  return SmallFraction::Of(value);
}

template <class Number, class Value>
Number As(const Value& value) {
  return Convert(value, static_cast<const Number*>(nullptr));
}

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
        } else if (!SameValue(group.state, *first)) {
          return false;
        }
      }
    }
  }
  return true;
}

template <class Number>
Sides<Number> AtomsOf(int element, const Equation& equation,
                      const std::vector<Integer>& coefficients,
                      const std::vector<SpeciesStates>& states) {
  Sides<Number> sides;
  for (std::size_t i = 0; i < states.size(); ++i) {
    const Integer& units = equation.species[i].units;
    Number per_unit = As<Number>(coefficients[i]);
    if (units != 1) per_unit = per_unit / As<Number>(units);
    for (const auto& [symbol, atoms] : states[i].elements) {
      if (symbol != element) continue;
      for (const AtomState& group : atoms) {
        auto& side = i < equation.reactant_count ? sides.reactants : sides.products;
        side.push_back(
            {As<Number>(group.state), i, per_unit * As<Number>(group.count), group.averaged});
      }
    }
  }
  const auto by_state = [](const Atoms<Number>& a, const Atoms<Number>& b) {
    return a.state != b.state ? a.state < b.state : a.species < b.species;
  };
  std::sort(sides.reactants.begin(), sides.reactants.end(), by_state);
  std::sort(sides.products.begin(), sides.products.end(), by_state);
  return sides;
}

template <class Number>
Number StateSum(const std::vector<Atoms<Number>>& side) {
  Number sum = 0;
  for (const Atoms<Number>& atoms : side) sum += atoms.state * atoms.count;
  return sum;
}

template <class Number>
bool OnlyRearranges(const Sides<Number>& sides) {
  const auto averaged = [](const Atoms<Number>& atoms) { return atoms.averaged; };
  const bool any_averaged = std::any_of(sides.reactants.begin(), sides.reactants.end(), averaged) ||
                            std::any_of(sides.products.begin(), sides.products.end(), averaged);
  return any_averaged && StateSum(sides.reactants) == StateSum(sides.products);
}

// A bridge while it is worked out, in the number type of the pass.
template <class Number>
struct Change {
  int element;
  Number from;
  Number to;
  std::size_t reactant;
  std::size_t product;
  Number atoms;
  Number electrons_each;
  bool gained;
};

template <class Number>
void AddBridge(std::vector<Change<Number>>& bridges, Change<Number> bridge) {
  for (Change<Number>& known : bridges) {
    if (known.element == bridge.element && known.from == bridge.from && known.to == bridge.to &&
        known.reactant == bridge.reactant && known.product == bridge.product) {
      known.atoms += bridge.atoms;
      return;
    }
  }
  bridges.push_back(std::move(bridge));
}

template <class Number>
void Pair(int element, Sides<Number> sides, std::vector<Change<Number>>& bridges) {
  std::size_t r = 0;
  std::size_t p = 0;
  while (r < sides.reactants.size() && p < sides.products.size()) {
    Atoms<Number>& from = sides.reactants[r];
    Atoms<Number>& to = sides.products[p];
    const Number atoms = std::min(from.count, to.count);
    if (from.state != to.state) {
      const Number change = to.state - from.state;
      AddBridge(bridges, {element, from.state, to.state, from.species, to.species, atoms,
                          change < 0 ? Number(-change) : change, change < 0});
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

// The changes of every element that changes, in the number type of the pass.
template <class Number>
std::vector<Change<Number>> Changes(const Equation& equation,
                                    const std::vector<Integer>& coefficients,
                                    const std::vector<SpeciesStates>& states) {
  std::vector<Change<Number>> changes;
  for (const int element : ElementsInOrder(states)) {
    if (KeepsOneState(element, states)) continue;
    Sides<Number> sides = AtomsOf<Number>(element, equation, coefficients, states);
    if (OnlyRearranges(sides)) continue;
    Pair(element, std::move(sides), changes);
  }
  return changes;
}

template <class Number>
std::optional<Redox> RedoxOf(const std::vector<Change<Number>>& changes) {
  if (changes.empty()) return std::nullopt;
  Redox redox;
  Number gained = 0;
  Number lost = 0;
  for (const Change<Number>& change : changes) {
    (change.gained ? gained : lost) += change.atoms * change.electrons_each;
    AddOnce(change.gained ? redox.oxidizing_agents : redox.reducing_agents, change.reactant);
    AddOnce(change.gained ? redox.reduction_products : redox.oxidation_products, change.product);
    redox.changes.push_back({std::string(ElementSymbol(change.element)), AsRational(change.from),
                             AsRational(change.to), change.reactant, change.product,
                             AsRational(change.atoms), AsRational(change.electrons_each),
                             change.gained});
  }
  // A half-reaction moves its electrons to or from e-: one side's sum is 0.
  redox.electrons = AsRational(std::max(gained, lost));
  for (auto* list : {&redox.oxidizing_agents, &redox.reducing_agents, &redox.oxidation_products,
                     &redox.reduction_products}) {
    std::sort(list->begin(), list->end());
  }
  return redox;
}

}  // namespace

std::optional<Redox> FindBridges(const Equation& equation, const std::vector<Integer>& coefficients,
                                 const std::vector<SpeciesStates>& states) {
  try {
    return RedoxOf(Changes<SmallFraction>(equation, coefficients, states));
  } catch (const FractionOverflow&) {
    return RedoxOf(Changes<Rational>(equation, coefficients, states));
  }
}

}  // namespace quorvel::chemistry::detail
