#pragma once

// Chinese names of substances, both ways: the systematic name of a species
// as read (KMnO4 is 高锰酸钾, Fe^2+ 亚铁离子, CuSO4·5H2O 五水硫酸铜), and the
// formula of a name (稀硫酸 is H2SO4, dilute; 石灰石 reads as CaCO3).
//
//   #include "quorvel/chemistry/names.h"
//
//   namespace chem = quorvel::chemistry;
//   const chem::ParseResult parsed = chem::ParseEquation("2KMnO4 = K2MnO4 + MnO2 + O2");
//   for (const chem::Species& species : parsed.equation->species) {
//     std::cout << species.text << ' ' << chem::ChineseName(species).value_or("") << '\n';
//   }                                                       // KMnO4 高锰酸钾 ...
//   const chem::NameReading reading = chem::FormulaForName("高猛酸钾");
//   if (!reading.ok()) {
//     std::cerr << chem::Explain(reading.reason, chem::Language::kChinese) << '\n';
//   }                                                       // ...是不是“高锰酸钾”？
//
// Equations may be written with names where formulas stand: ParseEquation
// and Balance read each name as its formula first (高锰酸钾 =△= 锰酸钾 + ...).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/note.h"
#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry {

// The systematic Chinese name of a species; nullopt when it has none (an
// isotope, a formula the rules and tables do not name, or one that names
// several substances of the tables, such as C2H6O).
std::optional<std::string> ChineseName(const Species& species);

struct NameReading {
  std::string formula;        // as the reading takes it: H2SO4, Fe^3+; empty when refused
  std::string concentration;  // 稀 or 浓 when the name says it
  std::vector<Note> notes;    // a mixture read as its main substance, ...
  Reason reason;              // kUnknownName or kAmbiguousName when refused; position 0

  bool ok() const { return reason.kind == ReasonKind::kNone; }
};

// The formula of one name.
NameReading FormulaForName(std::string_view name);

}  // namespace quorvel::chemistry
