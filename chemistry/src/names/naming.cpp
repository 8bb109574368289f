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
#include "name_composition.h"
#include "name_rules.h"
#include "number_words.h"
#include "parts.h"
#include "quorvel/chemistry/names.h"
#include "quorvel/chemistry/periodic_table.h"
#include "remembered.h"
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

// The elements of each anion, in the order of Anions(), worked out once.
const std::vector<std::set<int>>& AnionElements() {
  static const std::vector<std::set<int>> elements = [] {
    std::vector<std::set<int>> out;
    for (const Part& anion : names::Anions()) out.push_back(ElementsOf(anion.formula));
    return out;
  }();
  return elements;
}

// The anions made only of these elements.
std::vector<const Part*> AnionsWithin(const std::set<int>& elements, bool polyatomic_only) {
  std::vector<const Part*> anions;
  const std::vector<Part>& all = names::Anions();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (polyatomic_only && !all[i].polyatomic) continue;
    if (Within(AnionElements()[i], elements)) anions.push_back(&all[i]);
  }
  return anions;
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
  const std::vector<const Part*> anions = AnionsWithin(elements, false);
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
  for (const Part* anion : AnionsWithin(elements, true)) {
    candidates.push_back(names::IonName(*anion));
  }
  if (elements.contains(kNitrogen)) candidates.push_back(names::IonName(*names::CationNamed("铵")));
  return candidates;
}

bool Names(const std::string& name, const Composition& composition) {
  return names::CompositionOfName(name) == composition;
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

Integer CountIn(const Composition& composition, int element) {
  const auto found = composition.atoms.find(element);
  return found == composition.atoms.end() ? Integer(0) : found->second;
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
  // A hydrate: the salt of the composition less its water. The hydrogen the
  // salt lacks says how much water that is.
  for (const std::string& name : candidates) {
    const std::optional<Composition> salt = names::CompositionOfName(name);
    if (!salt) continue;
    const Integer missing = CountIn(composition, kHydrogen) - CountIn(*salt, kHydrogen);
    if (missing < 2 || missing > 2 * kMostWater || missing % 2 != 0) continue;
    const int water = static_cast<int>(missing / 2);
    if (composition.LessWater(water) == salt && TypedWater(species.text, water)) {
      return names::NumberWord(water) + std::string(kHydrateWater) + name;
    }
  }
  return std::nullopt;
}

std::optional<std::string> NameOf(const Species& species) {
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

// Everything NameOf looks at: the text, whether it is an adduct, and the atoms
// in their order (the first names the written-first element).
std::string NamingKey(const Species& species) {
  return species.text + (species.adduct ? "\x01" : "\x02") + detail::AtomsKey(species);
}

}  // namespace

// A batch names the same substances again and again (H2O, O2, CO2), and a
// name is a pure function of the species: each is worked out once.
std::optional<std::string> ChineseName(const Species& species) {
  static detail::Remembered<std::optional<std::string>> remembered(1 << 14);
  return remembered.Get(NamingKey(species), [&] { return NameOf(species); });
}

}  // namespace quorvel::chemistry
