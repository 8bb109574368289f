// The cation and anion parts a compound's name and formula are both built from.

#include "parts.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>

#include "element_names.h"
#include "number_words.h"
#include "quorvel/chemistry/periodic_table.h"
#include "radicals.h"

namespace quorvel::chemistry::names {
namespace {

constexpr int kHydrogen = 1;
constexpr std::string_view kLower = "亚";
constexpr std::string_view kAmmonium = "铵";

Part ElementPart(int atomic_number, int charge) {
  Part part;
  part.name = Element(atomic_number).name;
  part.formula = ElementSymbol(atomic_number);
  part.charge = charge;
  part.element = atomic_number;
  return part;
}

// Hydrogen and the metals of groups 1 and 2.
bool InSBlock(const Part& cation) {
  constexpr std::array<int, 11> kSBlock = {1, 3, 4, 11, 12, 19, 20, 37, 38, 55, 56};
  return std::find(kSBlock.begin(), kSBlock.end(), cation.element) != kSBlock.end();
}

Part RadicalPart(const Radical& radical) {
  Part part;
  part.name = radical.name;
  part.formula = radical.formula;
  part.charge = radical.charge;
  part.polyatomic = true;
  part.with_hua = radical.kind == Radical::Kind::kBinary;
  part.written_first = radical.written_first;
  part.acid = radical.acid && radical.kind == Radical::Kind::kAcid;
  part.hydrogen_salt = radical.hydrogen_salt;
  part.s_block_only = radical.s_block_only;
  return part;
}

std::vector<Part> BuildAnions() {
  std::vector<Part> anions;
  for (const Radical& radical : Radicals()) {
    if (radical.charge < 0) anions.push_back(RadicalPart(radical));
  }
  for (int z = 1; z <= kElementCount; ++z) {
    if (std::optional<Part> anion = AnionOf(z)) anions.push_back(std::move(*anion));
  }
  return anions;
}

}  // namespace

std::vector<Part> CationsOf(int atomic_number) {
  std::vector<Part> cations;
  const ElementFacts& facts = Element(atomic_number);
  if (facts.valence > 0) cations.push_back(ElementPart(atomic_number, facts.valence));
  if (facts.lower_valence > 0) {
    Part lower = ElementPart(atomic_number, facts.lower_valence);
    lower.name = std::string(kLower) + lower.name;
    cations.push_back(std::move(lower));
  }
  return cations;
}

std::optional<Part> CationNamed(std::string_view text) {
  if (text == kAmmonium) {
    for (const Radical& radical : Radicals()) {
      if (radical.kind == Radical::Kind::kCation) {
        Part part = RadicalPart(radical);
        part.name = kAmmonium;
        return part;
      }
    }
  }
  const bool lower = text.starts_with(kLower);
  const int z = ElementByName(lower ? text.substr(kLower.size()) : text);
  if (z == 0) return std::nullopt;
  for (Part& cation : CationsOf(z)) {
    if (cation.name == text) return std::move(cation);
  }
  return std::nullopt;
}

const std::vector<Part>& Anions() {
  static const std::vector<Part> anions = BuildAnions();
  return anions;
}

std::optional<Part> AnionOf(int atomic_number) {
  const int valence = Element(atomic_number).anion_valence;
  if (valence == 0) return std::nullopt;
  Part part = ElementPart(atomic_number, -valence);
  part.with_hua = true;
  return part;
}

bool IsHydrogen(const Part& cation) { return cation.formula == ElementSymbol(kHydrogen); }

Counts NeutralCounts(const Part& cation, const Part& anion) {
  const int total = std::lcm(cation.charge, std::abs(anion.charge));
  return {total / cation.charge, total / std::abs(anion.charge)};
}

std::string Times(const Part& part, int count) {
  if (count == 1) return part.formula;
  if (part.polyatomic) return "(" + part.formula + ")" + std::to_string(count);
  return part.formula + std::to_string(count);
}

std::string CompoundName(const Part& cation, const Part& anion) {
  if (anion.s_block_only && !InSBlock(cation)) return "";
  if (IsHydrogen(cation) && !anion.with_hua) return anion.acid ? anion.name : "";
  if (anion.with_hua) return anion.name + "化" + cation.name;
  // 磷酸氢二钠: with an acid's hydrogen left, the count of a monovalent cation is said.
  const int count = NeutralCounts(cation, anion).cations;
  const bool say_count = anion.hydrogen_salt && cation.charge == 1 && count > 1;
  return anion.name + (say_count ? NumberWord(count) : "") + cation.name;
}

std::string CompoundFormula(const Part& cation, const Part& anion) {
  const Counts counts = NeutralCounts(cation, anion);
  if (anion.written_first) return Times(anion, counts.anions) + Times(cation, counts.cations);
  return Times(cation, counts.cations) + Times(anion, counts.anions);
}

std::string IonFormula(const Part& ion) {
  const char* sign = ion.charge > 0 ? "+" : "-";
  const int size = std::abs(ion.charge);
  const bool ends_in_digit = ion.formula.back() >= '0' && ion.formula.back() <= '9';
  if (size == 1) return ion.formula + (ends_in_digit ? "^" : "") + sign;
  return ion.formula + "^" + std::to_string(size) + sign;
}

}  // namespace quorvel::chemistry::names
