// Oxidation states by the textbook's rules, with known ions kept apart.

#include "oxidation_states.h"

#include <algorithm>
#include <array>
#include <optional>

#include "composition_counts.h"
#include "ions.h"
#include "remembered.h"
#include "small_fraction.h"

namespace quorvel::chemistry::detail {
namespace {

// Elements always in one state in their compounds, as textbooks teach them.
struct FixedState {
  int element;
  int state;
};
constexpr std::array<FixedState, 15> kFixedStates = {{
    {3, 1},
    {11, 1},
    {19, 1},
    {37, 1},
    {55, 1},  // Li Na K Rb Cs
    {4, 2},
    {12, 2},
    {20, 2},
    {38, 2},
    {56, 2},  // Be Mg Ca Sr Ba
    {13, 3},
    {30, 2},
    {47, 1},
    {87, 1},
    {88, 2},  // Al Zn Ag Fr Ra
}};

// Nonmetals from the most electronegative down (Pauling's scale), each with
// the lowest state it takes beside less electronegative elements.
constexpr std::array<FixedState, 15> kByElectronegativity = {{
    {9, -1},
    {8, -2},
    {17, -1},
    {7, -3},
    {35, -1},
    {53, -1},
    {16, -2},
    {6, -4},
    {34, -2},
    {15, -3},
    {33, -3},
    {52, -2},
    {5, -3},
    {14, -4},
    {32, -4},
}};

// Minerals whose states no rule above reaches (黄铁矿 FeS2: Fe +2, S -1).
struct KnownCompound {
  std::array<FixedState, 2> states;
  std::array<int, 2> counts;
};
constexpr std::array<KnownCompound, 1> kKnownCompounds = {{{{{{26, 2}, {16, -1}}}, {1, 2}}}};

constexpr int kHydrogen = 1;
constexpr int kBoron = 5;
constexpr int kCarbon = 6;
constexpr int kOxygen = 8;
constexpr int kFluorine = 9;
constexpr std::size_t kMostIonKinds = 3;
constexpr int kHighestState = 8;

using Assignment = std::vector<std::pair<int, std::vector<AtomState>>>;

void Assign(Assignment& assignment, int element, const Rational& state, const Integer& count,
            bool averaged = false) {
  if (count == 0) return;
  auto place = std::find_if(assignment.begin(), assignment.end(),
                            [element](const auto& entry) { return entry.first == element; });
  if (place == assignment.end()) {
    assignment.emplace_back(element, std::vector<AtomState>{});
    place = assignment.end() - 1;
  }
  for (AtomState& atoms : place->second) {
    if (SameValue(atoms.state, state)) {
      atoms.count += count;
      return;
    }
  }
  place->second.push_back({state, count, averaged});
}

std::optional<int> FixedStateOf(int element) {
  for (const FixedState& fixed : kFixedStates) {
    if (fixed.element == element) return fixed.state;
  }
  return std::nullopt;
}

// An oxide ion is not looked for in what is left: a remainder with oxygen
// is a wrong split (Fe2(SO4)3 read as S2O3 2- and "Fe2SO9").
std::optional<int> MonatomicAnionCharge(int element) {
  for (const Ion& ion : MonatomicAnions()) {
    if (ion.atoms.front().first == element && element != kOxygen) return ion.charge;
  }
  return std::nullopt;
}

// States fixed one rule at a time; the last open element takes what the
// charge leaves.
class RuleSolver {
 public:
  RuleSolver(const ElementCounts& counts, const Integer& charge, bool organic)
      : counts_(counts), rest_(charge), organic_(organic) {
    for (const auto& entry : counts) open_.push_back(entry.first);
  }

  std::optional<Assignment> Solve(int& undecided) {
    if (counts_.size() == 1) {
      const Integer& count = counts_.front().second;
      const Rational state = Rational(rest_, count);
      Assign(assignment_, counts_.front().first, state, count,
             Averaged(counts_.front().first, state, count));
      return assignment_;
    }
    if (IsOpen(kFluorine)) Fix(kFluorine, -1);
    for (const FixedState& fixed : kFixedStates) {
      if (IsOpen(fixed.element)) Fix(fixed.element, fixed.state);
    }
    if (!Settled() && IsOpen(kHydrogen)) Fix(kHydrogen, HydrogenState());
    if (!Settled() && IsOpen(kOxygen)) Fix(kOxygen, -2);
    while (!Settled()) {
      const auto nonmetal =
          std::find_if(kByElectronegativity.begin(), kByElectronegativity.end(),
                       [this](const FixedState& fixed) { return IsOpen(fixed.element); });
      if (nonmetal == kByElectronegativity.end()) {
        undecided = open_.front();
        return std::nullopt;
      }
      Fix(nonmetal->element, nonmetal->state);
    }
    if (rest_ != 0) {
      undecided = counts_.front().first;
      return std::nullopt;
    }
    return assignment_;
  }

 private:
  bool IsOpen(int element) const {
    return std::find(open_.begin(), open_.end(), element) != open_.end();
  }

  // Solves the last open element from the charge; true when none is open.
  bool Settled() {
    if (open_.size() == 1) {
      const int element = open_.front();
      const Integer count = CountOf(counts_, element);
      const Rational state = Rational(rest_, count);
      Assign(assignment_, element, state, count, Averaged(element, state, count));
      rest_ = 0;
      open_.clear();
    }
    return open_.empty();
  }

  void Fix(int element, int state) {
    const Integer count = CountOf(counts_, element);
    Assign(assignment_, element, state, count);
    rest_ -= state * count;
    open_.erase(std::find(open_.begin(), open_.end(), element));
  }

  // A mean over atoms that differ: a fraction (Fe3O4 +8/3), or an organic
  // compound's carbon. A whole state of an inorganic species (N2O +1) is
  // each atom's.
  bool Averaged(int element, const Rational& state, const Integer& count) const {
    if (count <= 1) return false;
    return boost::multiprecision::denominator(state) != 1 || (organic_ && element == kCarbon);
  }

  // -1 in a metal hydride (NaH, LiAlH4, NaBH4), else +1.
  int HydrogenState() const {
    const bool hydride = std::all_of(counts_.begin(), counts_.end(), [](const auto& entry) {
      return entry.first == kHydrogen || entry.first == kBoron || IsMetal(entry.first);
    });
    return hydride ? -1 : 1;
  }

  const ElementCounts& counts_;
  Integer rest_;  // the charge less the states fixed so far
  bool organic_;
  std::vector<int> open_;
  Assignment assignment_;
};

// What is left once the polyatomic ions are out: metal cations, H+ and
// one kind of monatomic anion, with at most one metal whose charge the rest
// decides (a whole positive number).
std::optional<Assignment> IonicRemainder(const SmallCounts& counts, long long charge) {
  // Most remainders are no salt: they are told apart before anything is built.
  long long rest = charge;
  std::optional<std::pair<int, long long>> open;
  int anions = 0;  // kinds of monatomic anion: one at most
  for (const auto& [element, count] : counts) {
    if (count == 0) continue;
    std::optional<int> state = element == kHydrogen ? 1 : FixedStateOf(element);
    if (!state) {
      state = MonatomicAnionCharge(element);
      if (state && anions++ > 0) return std::nullopt;
    }
    if (state) {
      rest -= *state * count;
    } else if (IsMetal(element) && !open) {
      open.emplace(element, count);
    } else {
      return std::nullopt;
    }
  }
  if (!open && rest != 0) return std::nullopt;
  if (open && (rest <= 0 || rest % open->second != 0 || rest / open->second > kHighestState)) {
    return std::nullopt;
  }
  Assignment assignment;
  for (const auto& [element, count] : counts) {
    if (count == 0 || (open && element == open->first)) continue;
    const std::optional<int> state = element == kHydrogen ? 1 : FixedStateOf(element);
    Assign(assignment, element, state ? *state : *MonatomicAnionCharge(element), count);
  }
  if (open) Assign(assignment, open->first, Rational(rest / open->second), open->second);
  return assignment;
}

long long Multiples(const SmallCounts& counts, const Ion& ion) {
  long long fits = -1;
  for (const auto& [element, count] : ion.atoms) {
    const long long available = CountOf(counts, element) / count;
    if (available == 0) return 0;
    if (fits < 0 || available < fits) fits = available;
  }
  return fits;
}

// Takes each ion of the table at most once, as many of it as fit, and
// backtracks when the rest is no salt.
std::optional<Assignment> SplitIntoIons(const SmallCounts& counts, long long charge,
                                        std::size_t from, std::size_t depth) {
  if (depth > 0) {
    if (auto remainder = IonicRemainder(counts, charge)) return remainder;
  }
  if (depth == kMostIonKinds) return std::nullopt;
  const std::vector<Ion>& ions = PolyatomicIons();
  for (std::size_t i = from; i < ions.size(); ++i) {
    const Ion& ion = ions[i];
    const long long fits = Multiples(counts, ion);
    if (fits <= 0) continue;
    SmallCounts rest = counts;
    for (auto& [element, count] : rest) {
      for (const auto& [ion_element, ion_count] : ion.atoms) {
        if (ion_element == element) count -= fits * ion_count;
      }
    }
    auto inner = SplitIntoIons(rest, charge - fits * ion.charge, i + 1, depth + 1);
    if (!inner) continue;
    for (const auto& [element, state] : ion.states) {
      for (const auto& [ion_element, ion_count] : ion.atoms) {
        if (ion_element == element) Assign(*inner, element, state, fits * ion_count);
      }
    }
    return inner;
  }
  return std::nullopt;
}

std::optional<Assignment> KnownCompoundStates(const ElementCounts& counts, const Integer& charge) {
  if (charge != 0 || counts.size() != 2) return std::nullopt;
  for (const auto& known : kKnownCompounds) {
    const Integer first = CountOf(counts, known.states[0].element);
    const Integer second = CountOf(counts, known.states[1].element);
    if (first == 0 || first * known.counts[1] != second * known.counts[0]) continue;
    Assignment assignment;
    Assign(assignment, known.states[0].element, known.states[0].state, first);
    Assign(assignment, known.states[1].element, known.states[1].state, second);
    return assignment;
  }
  return std::nullopt;
}

// Organic compounds are averaged over their carbon; their groups are no salts.
bool IsOrganic(const ElementCounts& counts) {
  return CountOf(counts, kCarbon) >= 2 && CountOf(counts, kHydrogen) > 0;
}

// In order of first appearance in the species.
Assignment InSpeciesOrder(const ElementCounts& counts, Assignment assignment) {
  Assignment ordered;
  for (const auto& [element, count] : counts) {
    for (auto& entry : assignment) {
      if (entry.first != element) continue;
      std::sort(entry.second.begin(), entry.second.end(),
                [](const AtomState& a, const AtomState& b) { return Below(a.state, b.state); });
      ordered.push_back(std::move(entry));
    }
  }
  return ordered;
}

}  // namespace

namespace {

SpeciesStates WorkOutStates(const Species& species) {
  SpeciesStates result;
  if (species.atoms.empty()) return result;
  const ElementCounts counts = CountElements(species);
  std::optional<Assignment> assignment = KnownCompoundStates(counts, species.charge);
  const bool organic = IsOrganic(counts);
  if (!assignment && counts.size() > 1 && !organic) {
    const std::optional<SmallCounts> small = SmallCountsOf(counts);
    const std::optional<long long> charge = SmallValue(species.charge);
    if (small && charge) assignment = SplitIntoIons(*small, *charge, 0, 0);
  }
  if (!assignment) {
    assignment = RuleSolver(counts, species.charge, organic).Solve(result.undecided_element);
  }
  if (!assignment) {
    result.decided = false;
    return result;
  }
  result.elements = InSpeciesOrder(counts, std::move(*assignment));
  return result;
}

}  // namespace

// The states are a pure function of the atoms and the charge, and a batch
// meets the same species again and again.
SpeciesStates OxidationStates(const Species& species) {
  static Remembered<SpeciesStates> remembered(1 << 14);
  return remembered.Get(AtomsKey(species), [&] { return WorkOutStates(species); });
}

}  // namespace quorvel::chemistry::detail
