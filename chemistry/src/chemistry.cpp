// Balance: one reading, one solution, and the answer every front end shows.

#include "quorvel/chemistry.h"

#include <memory>
#include <utility>

#include "composition.h"
#include "explain.h"
#include "formula_units.h"
#include "integer_text.h"
#include "likely_formula.h"
#include "quorvel/chemistry/format.h"
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

// A ΔH belongs to the coefficients as typed (2H2 + O2 = 2H2O ΔH = -571.6
// kJ/mol is twice H2 + 1/2O2 = H2O ΔH = -285.8 kJ/mol): when they balance they
// are the answer, written as typed; when they do not, the answer is refused
// (false), since the ΔH with other coefficients would state a wrong heat. A
// sign alone, ΔH<0, holds for any coefficients.
bool KeepThermochemical(const Equation& equation, Solution& solution, Answer& answer) {
  if (equation.enthalpy.empty() || equation.enthalpy_sign_only) return true;
  std::optional<std::vector<Integer>> typed = detail::TypedRatioBalance(equation);
  if (typed) {
    if (solution.kind == Solution::Kind::kSeveral) {
      answer.note_reasons.push_back(
          {NoteKind::kTypedKept, {std::to_string(solution.reaction_count)}});
    }
    solution.kind = Solution::Kind::kBalanced;
    solution.coefficients = std::move(*typed);
    solution.reactions.clear();
    answer.result = FormatAsTyped(equation);
    return true;
  }
  // With no single answer, why not says more than the ΔH could.
  if (solution.kind != Solution::Kind::kBalanced) return true;
  answer.status = Answer::Status::kUnbalanced;
  answer.reason.kind = ReasonKind::kEnthalpyUnbalanced;
  answer.reason.text = equation.enthalpy;
  answer.reason.items = {FormatEquation(equation, solution.coefficients)};
  answer.error = Explain(answer.reason, Language::kEnglish);
  return false;
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
  const detail::Composition composition = detail::BuildComposition(equation);
  answer.matrix = detail::MatrixText(composition);
  Solution solution = detail::SolveComposition(equation, composition,
                                               std::chrono::steady_clock::now() + kSolveTimeLimit);
  detail::CountFormulaUnits(equation, solution);
  answer.note_reasons = equation.notes;
  answer.enthalpy = equation.enthalpy;
  if (!KeepThermochemical(equation, solution, answer)) return answer;
  KeepTypedCoefficients(equation, solution, answer.note_reasons);
  detail::Explanation explanation = detail::Explain(equation, solution);
  if (solution.kind == Solution::Kind::kBalanced) {
    answer.status = Answer::Status::kBalanced;
    if (answer.result.empty()) answer.result = FormatEquation(equation, solution.coefficients);
    if (!equation.enthalpy.empty()) answer.result += " " + equation.enthalpy;
    for (const Integer& coefficient : solution.coefficients) {
      answer.coefficients.push_back(detail::DecimalText(coefficient));
    }
  } else {
    answer.status = Answer::Status::kUnbalanced;
    answer.reason = std::move(explanation.reason);
    answer.error = Explain(answer.reason, Language::kEnglish);
    answer.reactions = std::move(explanation.reactions);
  }
  for (Note& note : explanation.notes) answer.note_reasons.push_back(std::move(note));
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
