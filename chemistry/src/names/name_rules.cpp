// Names read by rules: an element's substance, an ion, an acid, a salt or
// binary compound of two parts, its hydrate (五水) and its basic salt (碱式).

#include "name_rules.h"

#include "element_names.h"
#include "number_words.h"
#include "parts.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::names {
namespace {

constexpr std::string_view kIon = "离子";
constexpr std::string_view kRadical = "根";
constexpr std::string_view kGas = "气";
constexpr std::string_view kHua = "化";
constexpr std::string_view kWater = "水";
constexpr std::string_view kBasic = "碱式";
constexpr std::string_view kAcid = "酸";
constexpr std::string_view kHydrogenName = "氢";

std::string Count(int n) { return n > 1 ? std::to_string(n) : ""; }

std::optional<std::string> ElementSubstance(std::string_view name) {
  const bool gas_word = name.ends_with(kGas);
  const int z = ElementByName(gas_word ? name.substr(0, name.size() - kGas.size()) : name);
  if (z == 0 || Element(z).gas != gas_word) return std::nullopt;
  return std::string(ElementSymbol(z)) + Count(Element(z).atoms);
}

std::optional<std::string> Ion(std::string_view body) {
  if (body.ends_with(kRadical)) {
    body.remove_suffix(kRadical.size());
    if (std::optional<Part> cation = CationNamed(body); cation && cation->polyatomic) {
      return IonFormula(*cation);
    }
    for (const Part& anion : Anions()) {
      if (anion.polyatomic && anion.name == body) return IonFormula(anion);
    }
    return std::nullopt;
  }
  if (std::optional<Part> cation = CationNamed(body); cation && !cation->polyatomic) {
    return IonFormula(*cation);
  }
  const int z = ElementByName(body);
  if (std::optional<Part> anion = z > 0 ? AnionOf(z) : std::nullopt) {
    return IonFormula(*anion);
  }
  return std::nullopt;
}

// 氢氯酸 HCl, 氢硫酸 H2S: the acids of the elements' anions.
std::optional<std::string> HydrogenAcid(std::string_view name) {
  if (!name.starts_with(kHydrogenName) || !name.ends_with(kAcid)) return std::nullopt;
  name.remove_prefix(kHydrogenName.size());
  name.remove_suffix(kAcid.size());
  const int z = ElementByName(name);
  const std::optional<Part> anion = z > 0 ? AnionOf(z) : std::nullopt;
  if (!anion) return std::nullopt;
  return "H" + Count(-anion->charge) + anion->formula;
}

struct SaltParts {
  Part cation;
  Part anion;
};

// The two parts of a salt, base or binary compound named by valence: 硫酸亚铁,
// 磷酸氢二钠 (a said count must be the valences' count), 氢氧化钙, 氯化铵, 硫酸.
std::optional<SaltParts> ReadParts(std::string_view name) {
  for (const Part& anion : Anions()) {
    const std::string lead = anion.name + (anion.with_hua ? std::string(kHua) : "");
    if (!name.starts_with(lead)) continue;
    std::string_view rest = name.substr(lead.size());
    if (rest.empty() && anion.acid) return SaltParts{*CationNamed(kHydrogenName), anion};
    const NumberAt said = ReadNumberWord(rest);
    std::optional<Part> cation = CationNamed(rest.substr(said.length));
    if (!cation || CompoundName(*cation, anion).empty()) continue;
    if (said.value > 0 && said.value != NeutralCounts(*cation, anion).cations) continue;
    if (said.value > 0 && !(anion.hydrogen_salt && cation->charge == 1)) continue;
    return SaltParts{std::move(*cation), anion};
  }
  return std::nullopt;
}

// 五氧化二磷: any two elements with the counts said.
std::optional<std::string> NumberedBinary(std::string_view name) {
  const NumberAt anion_count = ReadNumberWord(name);
  name.remove_prefix(anion_count.length);
  const std::size_t hua = name.find(kHua);
  if (hua == std::string_view::npos) return std::nullopt;
  const int anion = ElementByName(name.substr(0, hua));
  std::string_view rest = name.substr(hua + kHua.size());
  const NumberAt cation_count = ReadNumberWord(rest);
  const int cation = ElementByName(rest.substr(cation_count.length));
  if (anion == 0 || cation == 0 || !AnionOf(anion)) return std::nullopt;
  // The anion's count is always said (一氧化碳), the cation's only above 一.
  if (anion_count.value == 0 || cation_count.value == 1) return std::nullopt;
  return std::string(ElementSymbol(cation)) + Count(cation_count.value) +
         std::string(ElementSymbol(anion)) + Count(anion_count.value);
}

// 碱式碳酸铜 Cu2(OH)2CO3: one anion, the fewest cations that leave room for
// hydroxide, and the hydroxide that makes up the charge.
std::optional<std::string> BasicSalt(std::string_view name) {
  const std::optional<SaltParts> parts = ReadParts(name);
  if (!parts || IsHydrogen(parts->cation) || parts->cation.polyatomic) return std::nullopt;
  const int anion_charge = -parts->anion.charge;
  int cations = 1;
  while (cations * parts->cation.charge - anion_charge < 1) ++cations;
  const int hydroxide = cations * parts->cation.charge - anion_charge;
  return Times(parts->cation, cations) + "(OH)" + Count(hydroxide) + parts->anion.formula;
}

}  // namespace

std::string SubstanceName(int atomic_number) {
  const ElementFacts& facts = Element(atomic_number);
  return std::string(facts.name) + (facts.gas ? std::string(kGas) : "");
}

std::string IonName(const Part& ion) {
  return ion.name + (ion.polyatomic ? std::string(kRadical) : "") + std::string(kIon);
}

std::string NumberedBinaryName(int cation_element, int cation_count, int anion_element,
                               int anion_count) {
  return NumberWord(anion_count) + std::string(Element(anion_element).name) + std::string(kHua) +
         (cation_count > 1 ? NumberWord(cation_count) : "") +
         std::string(Element(cation_element).name);
}

std::optional<std::string> BuildFormula(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.ends_with(kIon)) return Ion(name.substr(0, name.size() - kIon.size()));
  if (name.ends_with(kRadical)) return Ion(name);
  if (const NumberAt water = ReadNumberWord(name);
      water.value > 0 && name.substr(water.length).starts_with(kWater)) {
    const std::optional<std::string> salt = BuildFormula(name.substr(water.length + kWater.size()));
    if (!salt || salt->find('^') != std::string::npos ||
        salt->find_first_of("+-") != std::string::npos) {
      return std::nullopt;
    }
    return *salt + "·" + std::to_string(water.value) + "H2O";
  }
  if (name.starts_with(kBasic)) return BasicSalt(name.substr(kBasic.size()));
  if (std::optional<std::string> element = ElementSubstance(name)) return element;
  if (std::optional<SaltParts> parts = ReadParts(name)) {
    return CompoundFormula(parts->cation, parts->anion);
  }
  if (std::optional<std::string> acid = HydrogenAcid(name)) return acid;
  return NumberedBinary(name);
}

}  // namespace quorvel::chemistry::names
