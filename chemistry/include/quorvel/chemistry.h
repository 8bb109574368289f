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
//   // or in Chinese: Explain(answer.note_reasons[i], quorvel::chemistry::Language::kChinese)
//   std::cout << answer.matrix;  // the composition matrix, when the text was read
//
// The parts (ParseEquation, Solve, FormatEquation) are in quorvel/chemistry/.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/note.h"
#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry {

// quorvel/chemistry/equation.h: its counts are big integers, which callers
// that only show the answer need not compile.
struct Equation;

struct Answer {
  enum class Status {
    kBalanced,
    kInvalidUtf8,  // the text is not UTF-8
    kUnreadable,   // the text is UTF-8 but not an equation
    kUnbalanced,   // an equation with no single set of positive coefficients
  };
  Status status = Status::kUnreadable;
  std::string result;  // the balanced equation; empty unless balanced
  // The ΔH term of a thermochemical equation as typed, spacing made regular
  // ("ΔH = -571.6 kJ/mol"); it ends `result`. Empty when none was typed.
  std::string enthalpy;
  std::vector<std::string> coefficients;  // decimal, one per species in input order
  Reason reason;                          // why not; kind kNone when balanced
  std::string error;                      // one line of English: Explain(reason, kEnglish)
  std::vector<std::string> notes;         // how notation that reads two ways was read, and hints
  std::vector<Note> note_reasons;         // the same notes as data: Explain(note, language)
  std::vector<std::string> reactions;     // the independent reactions when there are several
  // The reading the answer came from (species, counts, charges, the arrow);
  // null when the text could not be read.
  std::shared_ptr<const Equation> equation;
  // The composition matrix as the window's matrix box shows it
  // (CompositionMatrixText); empty when the text could not be read.
  std::string matrix;

  bool ok() const { return status == Status::kBalanced; }
};

// Balance refuses a longer text unread (kTooLong): reading costs some 17
// bytes of memory per byte of text, and no equation comes near the limit (118
// elements in 200 species with seven-digit counts take 40%). The console
// reads no more of a line.
inline constexpr std::size_t kMaxEquationBytes = std::size_t{1} << 19;

// Reads and balances one equation (UTF-8). Never throws for any input.
Answer Balance(std::string_view equation);

}  // namespace quorvel::chemistry
