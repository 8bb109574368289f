// From a species to its name: the candidate names its elements allow, in the
// order a textbook prefers them, and the first whose formula (by the same
// rules that read names) is the species. So a name is never given that would
// not read back as the formula it names.

#include <cctype>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "composition.h"
#include "element_names.h"
#include "name_rules.h"
#include "number_words.h"
#include "parts.h"
#include "quorvel/chemistry/names.h"
#include "quorvel/chemistry/periodic_table.h"
#include "table_names.h"

namespace quorvel::chemistry {
namespace {

using names::Composition;
using names::Part;

constexpr std::string_view kHydrateWater = "水";
constexpr int kNitrogen = 7;
constexpr int kHydrogen = 1;
constexpr int kMostWater = 30;
constexpr int kMostCount = 99;  // the number words go to 九十九

bool StartsWithFormula(const std::string& text, std::string_view formula) {
  if (!text.starts_with(formula)) return false;
  if (text.size() == formula.size()) return true;
  // A state mark may follow, (l), but not a group, (OH).
  const char next = text[formula.size()];
  const bool mark = next == '(' && text.size() > formula.size() + 1 &&
                    std::islower(static_cast<unsigned char>(text[formula.size() + 1]));
  return mark || !(std::isalnum(static_cast<unsigned char>(next)) || next == '(' || next == '[');
}

struct TableEntry {
  const names::TableName* entry;
  std::optional<Composition> composition;
};

// The tables' formulas are read once.
const std::vector<TableEntry>& TableEntries() {
  static const std::vector<TableEntry> entries = [] {
    std::vector<TableEntry> read;
    for (const names::TableName& entry : names::TableNames()) {
      read.push_back({&entry, names::CompositionOf(entry.formula)});
    }
    return read;
  }();
  return entries;
}

struct TableMatch {
  bool any = false;                 // some entry of the kind has the composition
  std::optional<std::string> name;  // empty when the text tells several substances apart from none
};

TableMatch FromTable(const Composition& composition, const std::string& text,
                     names::TableName::Kind kind) {
  std::vector<const names::TableName*> matches;
  for (const TableEntry& table : TableEntries()) {
    if (table.entry->kind == kind && table.composition == composition) {
      matches.push_back(table.entry);
    }
  }
  if (matches.empty()) return {};
  for (const names::TableName* entry : matches) {
    if (StartsWithFormula(text, entry->formula)) return {true, std::string(entry->name)};
  }
  std::set<std::string_view> formulas;
  for (const names::TableName* entry : matches) formulas.insert(entry->formula);
  if (formulas.size() == 1) return {true, std::string(matches.front()->name)};
  return {true, std::nullopt};
}

std::set<int> ElementsOf(std::string_view formula) {
  std::set<int> elements;
  for (std::size_t i = 0; i < formula.size(); ++i) {
    if (formula[i] < 'A' || formula[i] > 'Z') continue;
    const std::size_t length =
        i + 1 < formula.size() && formula[i + 1] >= 'a' && formula[i + 1] <= 'z' ? 2 : 1;
    elements.insert(AtomicNumber(formula.substr(i, length)));
  }
  return elements;
}

bool Within(const std::set<int>& part, const std::set<int>& whole) {
  for (const int element : part) {
    if (!whole.contains(element)) return false;
  }
  return true;
}

// The candidate names of a neutral compound of these elements, preferred first.
std::vector<std::string> CompoundCandidates(const std::set<int>& elements,
                                            const Composition& composition, int written_first) {
  std::vector<Part> cations;
  for (const int z : elements) {
    for (Part& cation : names::CationsOf(z)) cations.push_back(std::move(cation));
  }
  if (elements.contains(kNitrogen) && elements.contains(kHydrogen)) {
    cations.push_back(*names::CationNamed("铵"));
  }
  std::vector<const Part*> anions;
  for (const Part& anion : names::Anions()) {
    if (Within(ElementsOf(anion.formula), elements)) anions.push_back(&anion);
  }
  std::vector<std::string> candidates;
  for (const Part* anion : anions) {
    for (const Part& cation : cations) {
      std::string name = names::CompoundName(cation, *anion);
      if (!name.empty()) candidates.push_back(std::move(name));
    }
  }
  // P2O5: the element written first is the one named last, 五氧化二磷.
  if (composition.atoms.size() == 2 && composition.atoms.contains(written_first)) {
    const auto cation = composition.atoms.find(written_first);
    const auto anion =
        cation == composition.atoms.begin() ? std::next(cation) : composition.atoms.begin();
    if (names::AnionOf(anion->first) && anion->second <= kMostCount &&
        cation->second <= kMostCount) {
      candidates.push_back(names::NumberedBinaryName(cation->first,
                                                     static_cast<int>(cation->second), anion->first,
                                                     static_cast<int>(anion->second)));
    }
  }
  for (const Part* anion : anions) {
    for (const Part& cation : cations) {
      if (cation.polyatomic || names::IsHydrogen(cation)) continue;
      const std::string name = names::CompoundName(cation, *anion);
      if (!name.empty()) candidates.push_back("碱式" + name);
    }
  }
  return candidates;
}

std::vector<std::string> IonCandidates(const std::set<int>& elements) {
  std::vector<std::string> candidates;
  if (elements.size() == 1) {
    const int z = *elements.begin();
    for (const Part& cation : names::CationsOf(z)) candidates.push_back(names::IonName(cation));
    if (std::optional<Part> anion = names::AnionOf(z)) candidates.push_back(names::IonName(*anion));
  }
  for (const Part& anion : names::Anions()) {
    if (anion.polyatomic && Within(ElementsOf(anion.formula), elements)) {
      candidates.push_back(names::IonName(anion));
    }
  }
  if (elements.contains(kNitrogen)) candidates.push_back(names::IonName(*names::CationNamed("铵")));
  return candidates;
}

bool Names(const std::string& name, const Composition& composition) {
  const std::optional<std::string> formula = names::BuildFormula(name);
  return formula && names::CompositionOf(*formula) == composition;
}

// CuSO4·5H2O: the water after an adduct dot, as typed; NaCl·H2O2 holds no
// water, though its atoms are those of NaClO·H2O.
bool TypedWater(const std::string& text, int water) {
  const std::string count = (water > 1 ? std::to_string(water) : "") + "H2O";
  for (const std::string_view dot : {"·", ".", "*", "•"}) {
    for (const std::string_view space : {"", " "}) {
      const std::string water_text = std::string(dot) + std::string(space) + count;
      const std::size_t at = text.find(water_text);
      const std::size_t end = at + water_text.size();
      if (at != std::string::npos &&
          (end == text.size() || !std::isalnum(static_cast<unsigned char>(text[end])))) {
        return true;
      }
    }
  }
  return false;
}

std::optional<std::string> RuleName(const Composition& composition, const Species& species) {
  std::set<int> elements;
  for (const auto& [element, count] : composition.atoms) elements.insert(element);
  if (composition.charge != 0) {
    for (const std::string& name : IonCandidates(elements)) {
      if (Names(name, composition)) return name;
    }
    return std::nullopt;
  }
  if (elements.size() == 1) {
    const std::string name = names::SubstanceName(*elements.begin());
    if (Names(name, composition)) return name;
  }
  const std::vector<std::string> candidates =
      CompoundCandidates(elements, composition, species.atoms.front().element);
  if (!species.adduct) {
    for (const std::string& name : candidates) {
      if (Names(name, composition)) return name;
    }
    return std::nullopt;
  }
  // A hydrate: the salt of the composition less its water.
  for (const std::string& name : candidates) {
    const std::optional<std::string> formula = names::BuildFormula(name);
    const std::optional<Composition> salt = formula ? names::CompositionOf(*formula) : std::nullopt;
    if (!salt) continue;
    for (int water = 1; water <= kMostWater; ++water) {
      if (composition.LessWater(water) == salt && TypedWater(species.text, water)) {
        return names::NumberWord(water) + std::string(kHydrateWater) + name;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ChineseName(const Species& species) {
  const std::optional<Composition> composition = names::CompositionOf(species);
  if (!composition || composition->atoms.empty()) return std::nullopt;
  using Kind = names::TableName::Kind;
  // C2H6O is 乙醇 or 二甲醚: a guess would be a confident wrong answer.
  if (TableMatch table = FromTable(*composition, species.text, Kind::kSystematic); table.any) {
    return table.name;
  }
  if (std::optional<std::string> name = RuleName(*composition, species)) return name;
  return FromTable(*composition, species.text, Kind::kCommon).name;
}

}  // namespace quorvel::chemistry
