#pragma once

// Balances equations written in chemistry's own notation, exactly: formulas
// with nested groups, hydrates and charges, coefficients of any size, and an
// explanation when there is no single answer.
//
//   #include "quorvel/chemistry.h"
//
//   const quorvel::chemistry::Answer answer =
//       quorvel::chemistry::Balance("C12H22O11 + O2 = CO2 + H2O");
//   if (answer.ok()) {
//     std::cout << answer.result << '\n';  // C12H22O11 + 12O2 = 12CO2 + 11H2O
//   } else {
//     std::cerr << answer.error << '\n';   // e.g. "N appears only among the reactants"
//     // or in Chinese: Explain(answer.reason, quorvel::chemistry::Language::kChinese)
//   }
//   for (const std::string& note : answer.notes) std::cerr << "note: " << note << '\n';
//
// The parts (ParseEquation, Solve, FormatEquation) are in quorvel/chemistry/.

#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry {

struct Answer {
  enum class Status {
    kBalanced,
    kInvalidUtf8,  // the text is not UTF-8
    kUnreadable,   // the text is UTF-8 but not an equation
    kUnbalanced,   // an equation with no single set of positive coefficients
  };
  Status status = Status::kUnreadable;
  std::string result;                     // the balanced equation; empty unless balanced
  std::vector<std::string> coefficients;  // decimal, one per species in input order
  Reason reason;                          // why not; kind kNone when balanced
  std::string error;                      // one line of English: Explain(reason, kEnglish)
  std::vector<std::string> notes;         // readings, hints and the window's differences
  std::vector<std::string> reactions;     // the independent reactions when there are several

  bool ok() const { return status == Status::kBalanced; }
};

// Reads and balances one equation (UTF-8). Never throws for any input.
Answer Balance(std::string_view equation);

}  // namespace quorvel::chemistry
