#include <algorithm>
#include <string>

#include "explain.h"

namespace quorvel::chemistry::detail {
namespace {

// The window's own reading: nine formulas, coefficients 1 to 9, one digit
// per count, a count only for the first group in parentheses, and typed
// coefficients read as part of the formula.
constexpr std::size_t kWindowFormulas = 9;
constexpr int kWindowLargestCoefficient = 9;

template <typename Test>
const Species* FirstWhere(const Equation& equation, Test test) {
  const auto found = std::find_if(equation.species.begin(), equation.species.end(), test);
  return found == equation.species.end() ? nullptr : &*found;
}

}  // namespace

std::vector<std::string> WindowNotes(const Equation& equation, const Solution& solution) {
  std::vector<std::string> notes;
  if (equation.species.size() > kWindowFormulas) {
    notes.push_back("the window balances nine formulas at most; this equation has " +
                    std::to_string(equation.species.size()));
  }
  if (const Species* typed =
          FirstWhere(equation, [](const Species& s) { return !s.typed_coefficient.empty(); })) {
    notes.push_back("the window reads the typed coefficient of " + typed->typed_coefficient +
                    (typed->adduct ? " " : "") + typed->text + " as part of the formula");
  }
  if (const Species* longer =
          FirstWhere(equation, [](const Species& s) { return !s.long_count.empty(); })) {
    notes.push_back("the window reads one digit per count, so it takes " + longer->long_count +
                    " in " + longer->text + " as " + longer->long_count.substr(0, 1));
  }
  if (const Species* grouped = FirstWhere(equation, [](const Species& s) {
        return s.group_count > 1 || s.has_brackets_other_than_parentheses;
      })) {
    notes.push_back("the window counts only the first group in parentheses, so it reads " +
                    grouped->text + " differently");
  }
  if (solution.kind == Solution::Kind::kBalanced) {
    const Integer largest =
        *std::max_element(solution.coefficients.begin(), solution.coefficients.end());
    if (largest > kWindowLargestCoefficient) {
      notes.push_back("the window's coefficients go up to 9; this answer needs " + largest.str());
    }
  }
  return notes;
}

}  // namespace quorvel::chemistry::detail
