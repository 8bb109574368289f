// The polyatomic ions textbooks keep apart when they assign oxidation states.

#include "ions.h"

#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

struct IonText {
  std::string_view formula;  // symbols, each with an optional one-digit count
  int charge;
  std::vector<std::pair<std::string_view, int>> states;
};

// The common ions of 人教版 初中化学 (常见原子团) and 高中化学 必修一/选择性必修一,
// with the states those books give (S2O3 2-: S +2; SCN-: S -2, C +4, N -3).
const std::vector<IonText> kPolyatomic = {
    {"NH4", 1, {{"N", -3}, {"H", 1}}},
    {"Cr2O7", -2, {{"Cr", 6}, {"O", -2}}},
    {"S2O3", -2, {{"S", 2}, {"O", -2}}},
    {"C2O4", -2, {{"C", 3}, {"O", -2}}},
    {"H2PO4", -1, {{"H", 1}, {"P", 5}, {"O", -2}}},
    {"HPO4", -2, {{"H", 1}, {"P", 5}, {"O", -2}}},
    {"HSO4", -1, {{"H", 1}, {"S", 6}, {"O", -2}}},
    {"HSO3", -1, {{"H", 1}, {"S", 4}, {"O", -2}}},
    {"HCO3", -1, {{"H", 1}, {"C", 4}, {"O", -2}}},
    {"SCN", -1, {{"S", -2}, {"C", 4}, {"N", -3}}},
    {"PO4", -3, {{"P", 5}, {"O", -2}}},
    {"SO4", -2, {{"S", 6}, {"O", -2}}},
    {"SO3", -2, {{"S", 4}, {"O", -2}}},
    {"CO3", -2, {{"C", 4}, {"O", -2}}},
    {"NO3", -1, {{"N", 5}, {"O", -2}}},
    {"NO2", -1, {{"N", 3}, {"O", -2}}},
    {"MnO4", -1, {{"Mn", 7}, {"O", -2}}},
    {"MnO4", -2, {{"Mn", 6}, {"O", -2}}},
    {"CrO4", -2, {{"Cr", 6}, {"O", -2}}},
    {"ClO4", -1, {{"Cl", 7}, {"O", -2}}},
    {"ClO3", -1, {{"Cl", 5}, {"O", -2}}},
    {"ClO2", -1, {{"Cl", 3}, {"O", -2}}},
    {"ClO", -1, {{"Cl", 1}, {"O", -2}}},
    {"BrO3", -1, {{"Br", 5}, {"O", -2}}},
    {"IO3", -1, {{"I", 5}, {"O", -2}}},
    {"SiO3", -2, {{"Si", 4}, {"O", -2}}},
    {"AlO2", -1, {{"Al", 3}, {"O", -2}}},
    {"CN", -1, {{"C", 2}, {"N", -3}}},
    {"OH", -1, {{"O", -2}, {"H", 1}}},
};

const std::vector<IonText> kMonatomic = {
    {"F", -1, {{"F", -1}}}, {"Cl", -1, {{"Cl", -1}}}, {"Br", -1, {{"Br", -1}}},
    {"I", -1, {{"I", -1}}}, {"O", -2, {{"O", -2}}},   {"S", -2, {{"S", -2}}},
};

std::vector<std::pair<int, int>> AtomsOf(std::string_view formula) {
  std::vector<std::pair<int, int>> atoms;
  std::size_t i = 0;
  while (i < formula.size()) {
    std::size_t end = i + 1;
    if (end < formula.size() && formula[end] >= 'a' && formula[end] <= 'z') ++end;
    const int element = AtomicNumber(formula.substr(i, end - i));
    int count = 1;
    if (end < formula.size() && formula[end] >= '0' && formula[end] <= '9') {
      count = formula[end] - '0';
      ++end;
    }
    atoms.emplace_back(element, count);
    i = end;
  }
  return atoms;
}

std::vector<Ion> Build(const std::vector<IonText>& texts) {
  std::vector<Ion> ions;
  for (const IonText& text : texts) {
    Ion ion{text.formula, AtomsOf(text.formula), text.charge, {}};
    for (const auto& [symbol, state] : text.states)
      ion.states.emplace_back(AtomicNumber(symbol), state);
    ions.push_back(std::move(ion));
  }
  return ions;
}

}  // namespace

const std::vector<Ion>& PolyatomicIons() {
  static const std::vector<Ion> ions = Build(kPolyatomic);
  return ions;
}

const std::vector<Ion>& MonatomicAnions() {
  static const std::vector<Ion> ions = Build(kMonatomic);
  return ions;
}

}  // namespace quorvel::chemistry::detail
