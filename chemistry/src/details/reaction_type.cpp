// Which of the four basic reaction types an answer is, by the textbook's definitions.

#include "reaction_type.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "composition_counts.h"
#include "ions.h"

namespace quorvel::chemistry::detail {
namespace {

constexpr int kHydrogen = 1;

// A compound as cation and anion: "Ca" and "CO3", "H" and "Cl", "NH4" and "OH".
struct IonPair {
  std::string cation;
  std::string anion;
  bool operator==(const IonPair&) const = default;
};

bool IsElement(const Species& species) {
  return species.charge == 0 && !species.atoms.empty() &&
         std::all_of(species.atoms.begin(), species.atoms.end(), [&](const AtomCount& atoms) {
           return atoms.element == species.atoms.front().element;
         });
}

bool Contains(const Ion& ion, int element) {
  return std::any_of(ion.atoms.begin(), ion.atoms.end(),
                     [element](const auto& atoms) { return atoms.first == element; });
}

// The one cation left once the anion is out: a metal, H, or NH4.
std::optional<std::string> CationOf(const SmallCounts& rest) {
  SmallCounts present;
  for (const auto& entry : rest) {
    if (entry.second != 0) present.push_back(entry);
  }
  if (present.size() == 1 &&
      (IsMetal(present.front().first) || present.front().first == kHydrogen)) {
    return std::to_string(present.front().first);
  }
  const Ion& ammonium = PolyatomicIons().front();
  if (present.size() == 2 && present[0].second * 4 == present[1].second &&
      CountOf(present, ammonium.atoms[0].first) == present[0].second &&
      CountOf(present, kHydrogen) == present[1].second) {
    return std::string(ammonium.formula);
  }
  return std::nullopt;
}

std::optional<IonPair> TrySplit(const SmallCounts& counts, const Ion& anion) {
  if (anion.charge >= 0) return std::nullopt;
  long long fits = -1;
  for (const auto& [element, count] : anion.atoms) {
    const long long available = CountOf(counts, element) / count;
    if (fits < 0 || available < fits) fits = available;
  }
  if (fits <= 0) return std::nullopt;
  SmallCounts rest = counts;
  for (auto& [element, count] : rest) {
    for (const auto& [anion_element, anion_count] : anion.atoms) {
      if (anion_element == element) count -= fits * anion_count;
    }
  }
  if (auto cation = CationOf(rest)) return IonPair{*cation, std::string(anion.formula)};
  return std::nullopt;
}

// An acid keeps its whole anion (H2SO4 is H and SO4, not H and HSO4): the
// anions without hydrogen go first.
std::optional<IonPair> SplitSalt(const Species& species) {
  if (species.charge != 0) return std::nullopt;
  const std::optional<SmallCounts> small = SmallCountsOf(CountElements(species));
  if (!small) return std::nullopt;
  const SmallCounts& counts = *small;
  for (const bool with_hydrogen : {false, true}) {
    for (const auto* table : {&PolyatomicIons(), &MonatomicAnions()}) {
      for (const Ion& anion : *table) {
        if (Contains(anion, kHydrogen) != with_hydrogen) continue;
        if (auto pair = TrySplit(counts, anion)) return pair;
      }
    }
  }
  return std::nullopt;
}

// Exactly these atoms and no charge: H2O, CO2, SO2, NH3.
using Composition = std::vector<std::pair<int, int>>;

bool HasComposition(const Species& species, const Composition& atoms) {
  const ElementCounts counts = CountElements(species);
  if (species.charge != 0 || counts.size() != atoms.size()) return false;
  return std::all_of(atoms.begin(), atoms.end(), [&](const auto& expected) {
    return CountOf(counts, expected.first) == expected.second;
  });
}

// What a pair falls apart into as it forms, or nothing when it stays whole.
std::vector<Composition> PiecesOf(const IonPair& pair) {
  const std::string hydrogen = std::to_string(kHydrogen);
  if (pair.cation == hydrogen && (pair.anion == "OH" || pair.anion == "O"))
    return {{{1, 2}, {8, 1}}};
  if (pair.cation == hydrogen && (pair.anion == "CO3" || pair.anion == "HCO3")) {
    return {{{1, 2}, {8, 1}}, {{6, 1}, {8, 2}}};
  }
  if (pair.cation == hydrogen && (pair.anion == "SO3" || pair.anion == "HSO3")) {
    return {{{1, 2}, {8, 1}}, {{16, 1}, {8, 2}}};
  }
  if (pair.cation == "NH4" && pair.anion == "OH") return {{{1, 2}, {8, 1}}, {{7, 1}, {1, 3}}};
  return {};
}

bool IsDoubleDisplacement(const Equation& equation) {
  std::vector<std::optional<IonPair>> splits;
  for (const Species& species : equation.species) splits.push_back(SplitSalt(species));
  const auto& first = splits[0];
  const auto& second = splits[1];
  if (!first || !second || first->cation == second->cation || first->anion == second->anion) {
    return false;
  }
  const std::vector<IonPair> expected = {{first->cation, second->anion},
                                         {second->cation, first->anion}};
  std::vector<bool> used(equation.species.size(), false);
  for (const IonPair& pair : expected) {
    bool formed = false;
    for (std::size_t i = equation.reactant_count; i < equation.species.size() && !formed; ++i) {
      if (!used[i] && splits[i] == pair) formed = used[i] = true;
    }
    if (formed) continue;
    const auto pieces = PiecesOf(pair);
    if (pieces.empty()) return false;
    for (const auto& piece : pieces) {
      bool found = false;
      for (std::size_t i = equation.reactant_count; i < equation.species.size() && !found; ++i) {
        if (!used[i] && HasComposition(equation.species[i], piece)) found = used[i] = true;
      }
      if (!found) return false;
    }
  }
  return std::all_of(used.begin() + static_cast<std::ptrdiff_t>(equation.reactant_count),
                     used.end(), [](bool b) { return b; });
}

bool IsNeutralization(const Equation& equation) {
  const auto first = SplitSalt(equation.species[0]);
  const auto second = SplitSalt(equation.species[1]);
  const std::string hydrogen = std::to_string(kHydrogen);
  const auto acid = [&](const IonPair& pair) {
    return pair.cation == hydrogen && pair.anion != "OH";
  };
  const auto base = [&](const IonPair& pair) {
    return pair.cation != hydrogen && pair.anion == "OH";
  };
  return (acid(*first) && base(*second)) || (base(*first) && acid(*second));
}

}  // namespace

TypeOfReaction ClassifyReaction(const Equation& equation, bool redox_free) {
  const std::size_t reactants = equation.reactant_count;
  const std::size_t products = equation.species.size() - reactants;
  // Ions meeting to form a precipitate combine no substances: counting
  // species would call SO42- + Ba2+ = BaSO4 a combination.
  const bool ionic = std::any_of(equation.species.begin(), equation.species.end(),
                                 [](const Species& s) { return s.charge != 0; });
  if (ionic) return {ReactionType::kNone, false, true};
  if (reactants == 0 || products == 0) return {};
  if (reactants >= 2 && products == 1) return {ReactionType::kCombination};
  if (reactants == 1 && products >= 2) return {ReactionType::kDecomposition};
  if (reactants != 2) return {};
  const auto& s = equation.species;
  if (products == 2) {
    const bool reactant_element = IsElement(s[0]) != IsElement(s[1]);
    const bool product_element = IsElement(s[2]) != IsElement(s[3]);
    if (reactant_element && product_element) {
      const Species& in = IsElement(s[0]) ? s[0] : s[1];
      const Species& out = IsElement(s[2]) ? s[2] : s[3];
      if (in.atoms.front().element != out.atoms.front().element) {
        return {ReactionType::kSingleDisplacement};
      }
    }
  }
  if (redox_free && !IsElement(s[0]) && !IsElement(s[1]) && IsDoubleDisplacement(equation)) {
    return {ReactionType::kDoubleDisplacement, IsNeutralization(equation)};
  }
  return {};
}

}  // namespace quorvel::chemistry::detail
