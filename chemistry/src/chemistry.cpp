#include "quorvel/chemistry.h"

#include "explain.h"
#include "formula_units.h"
#include "quorvel/chemistry/format.h"
#include "quorvel/chemistry/matrix_text.h"
#include "quorvel/chemistry/parser.h"
#include "quorvel/chemistry/solve.h"

namespace quorvel::chemistry {

Answer Balance(std::string_view equation_text) {
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
  const auto shared = std::make_shared<const Equation>(std::move(*parsed.equation));
  answer.equation = shared;
  const Equation& equation = *shared;
  answer.matrix = CompositionMatrixText(equation);
  Solution solution = Solve(equation);
  detail::CountFormulaUnits(equation, solution);
  detail::Explanation explanation = detail::Explain(equation, solution);
  answer.notes = equation.notes;
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
  for (std::string& note : explanation.notes) answer.notes.push_back(std::move(note));
  for (std::string& note : detail::WindowNotes(equation, solution)) {
    answer.notes.push_back(std::move(note));
  }
  return answer;
}

}  // namespace quorvel::chemistry
