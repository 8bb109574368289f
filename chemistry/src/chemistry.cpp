// Balance: one reading, one solution, and the answer every front end shows.

#include "quorvel/chemistry.h"

#include <memory>
#include <utility>

#include "explain.h"
#include "formula_units.h"
#include "likely_formula.h"
#include "quorvel/chemistry/format.h"
#include "quorvel/chemistry/matrix_text.h"
#include "quorvel/chemistry/parser.h"
#include "quorvel/chemistry/solve.h"
#include "typed_coefficients.h"

namespace quorvel::chemistry {

namespace {

// Where several reactions combine, coefficients typed that balance are the
// writer's choice among the answers (2KMnO4 + 5H2O2 + 3H2SO4 = ...): kept,
// with a note that others balance too.
void KeepTypedCoefficients(const Equation& equation, Solution& solution, std::vector<Note>& notes) {
  if (solution.kind != Solution::Kind::kSeveral) return;
  std::optional<std::vector<Integer>> typed = detail::TypedBalance(equation);
  if (!typed) return;
  notes.push_back({NoteKind::kTypedKept, {std::to_string(solution.reaction_count)}});
  solution.kind = Solution::Kind::kBalanced;
  solution.coefficients = std::move(*typed);
  solution.reactions.clear();
}

Answer BalanceAsTyped(std::string_view equation_text) {
  Answer answer;
  if (equation_text.size() > kMaxEquationBytes) {
    answer.reason.kind = ReasonKind::kTooLong;
    answer.reason.count = kMaxEquationBytes;
    answer.error = Explain(answer.reason, Language::kEnglish);
    return answer;
  }
  ParseResult parsed = ParseEquation(equation_text);
  if (!parsed.equation) {
    answer.status =
        parsed.error.invalid_utf8 ? Answer::Status::kInvalidUtf8 : Answer::Status::kUnreadable;
    answer.error = std::move(parsed.error.message);
    answer.reason = std::move(parsed.error.reason);
    return answer;
  }
  // One reading serves the answer and every front end that shows it.
  answer.equation = std::make_shared<const Equation>(std::move(*parsed.equation));
  const Equation& equation = *answer.equation;
  answer.matrix = CompositionMatrixText(equation);
  Solution solution = Solve(equation);
  detail::CountFormulaUnits(equation, solution);
  answer.note_reasons = equation.notes;
  KeepTypedCoefficients(equation, solution, answer.note_reasons);
  detail::Explanation explanation = detail::Explain(equation, solution);
  if (solution.kind == Solution::Kind::kBalanced) {
    answer.status = Answer::Status::kBalanced;
    answer.result = FormatEquation(equation, solution.coefficients);
    for (const Integer& coefficient : solution.coefficients) {
      answer.coefficients.push_back(coefficient.str());
    }
  } else {
    answer.status = Answer::Status::kUnbalanced;
    answer.reason = std::move(explanation.reason);
    answer.error = Explain(answer.reason, Language::kEnglish);
    answer.reactions = std::move(explanation.reactions);
  }
  for (std::string& note : explanation.notes) answer.note_reasons.push_back(std::move(note));
  return answer;
}

bool BalancesAsTyped(std::string_view equation) { return BalanceAsTyped(equation).ok(); }

// A slip that still balances (H20 for H2O) is the confident wrong answer a
// student cannot see: the note names the formula and the answer it gives.
void NoteLikelyFormula(std::string_view equation, Answer& answer) {
  const detail::TypedOutcome outcome =
      answer.ok() ? detail::TypedOutcome::kBalanced : detail::TypedOutcome::kFailed;
  const std::optional<detail::LikelyFormula> likely =
      detail::FindLikelyFormula(equation, outcome, BalancesAsTyped);
  if (!likely) return;
  const Answer meant = BalanceAsTyped(likely->equation);
  answer.note_reasons.push_back(
      {NoteKind::kLikelyFormula, {likely->meant, likely->typed, meant.result}});
  if (answer.ok()) return;
  answer.reason.likely_formula = likely->meant;
  answer.error = Explain(answer.reason, Language::kEnglish);
}

}  // namespace

Answer Balance(std::string_view equation) {
  Answer answer = BalanceAsTyped(equation);
  // Each guess costs a balancing: none for a line longer than a student
  // types, or one whose arithmetic already ran out of time.
  constexpr std::size_t kMaxGuessedBytes = 4096;
  const bool guess = equation.size() <= kMaxGuessedBytes &&
                     answer.status != Answer::Status::kInvalidUtf8 &&
                     answer.reason.kind != ReasonKind::kTooLarge;
  if (guess) NoteLikelyFormula(equation, answer);
  for (const Note& note : answer.note_reasons) {
    answer.notes.push_back(Explain(note, Language::kEnglish));
  }
  return answer;
}

}  // namespace quorvel::chemistry
