// Name to formula by the rules of inorganic naming: parts, number words, valence.

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::chemistry::names {

// The formula the rules give a name, as the reading takes it (FeSO4,
// CuSO4·5H2O, Fe^3+); nullopt when the rules give it none. Tables are not
// consulted: FormulaForName does that first.
std::optional<std::string> BuildFormula(std::string_view name);

// The name the rules give an element's substance: 氢气, 铁, 溴.
std::string SubstanceName(int atomic_number);

// The name of an ion made of one part: 亚铁离子, 硫酸根离子, 铵根离子.
std::string IonName(const struct Part& ion);

// 四氧化三铁: number words before each element, the anion's always.
std::string NumberedBinaryName(int cation_element, int cation_count, int anion_element,
                               int anion_count);

}  // namespace quorvel::chemistry::names
