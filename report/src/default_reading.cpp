// The default mode's reading set beside the chemistry answer, one difference
// a line, each named by the first species it concerns.
#include "quorvel/report/default_reading.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "quorvel/chemistry/equation.h"
#include "quorvel/search.h"

namespace {

using quorvel::chemistry::Equation;
using quorvel::chemistry::Species;

template <typename Test>
const Species* FirstWhere(const Equation& equation, Test test) {
  const auto found = std::find_if(equation.species.begin(), equation.species.end(), test);
  return found == equation.species.end() ? nullptr : &*found;
}

// Decimal strings without leading zeros: the longer is the larger.
bool Smaller(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

}  // namespace

std::vector<std::string> quorvel::report::DefaultReadingDifferences(
    const quorvel::chemistry::Answer& answer) {
  std::vector<std::string> differences;
  if (!answer.equation) return differences;
  const Equation& equation = *answer.equation;
  if (equation.species.size() > static_cast<std::size_t>(quorvel::kMaxSearchedCompounds)) {
    differences.push_back("the default reading balances nine formulas at most; this equation has " +
                          std::to_string(equation.species.size()));
  }
  if (const Species* typed =
          FirstWhere(equation, [](const Species& s) { return !s.typed_coefficient.empty(); })) {
    differences.push_back("the default reading takes the typed coefficient of " +
                          typed->typed_coefficient + (typed->adduct ? " " : "") + typed->text +
                          " as part of the formula");
  }
  if (const Species* longer =
          FirstWhere(equation, [](const Species& s) { return !s.long_count.empty(); })) {
    differences.push_back("the default reading takes one digit per count, so it reads " +
                          longer->long_count + " in " + longer->text + " as " +
                          longer->long_count.substr(0, 1));
  }
  if (const Species* grouped = FirstWhere(equation, [](const Species& s) {
        return s.group_count > 1 || s.has_brackets_other_than_parentheses;
      })) {
    differences.push_back(
        "the default reading counts only the first group in parentheses, so it reads " +
        grouped->text + " differently");
  }
  if (!answer.coefficients.empty()) {
    const std::string& largest =
        *std::max_element(answer.coefficients.begin(), answer.coefficients.end(), Smaller);
    if (largest.size() > 1) {
      differences.push_back("the default reading's coefficients go up to 9; this answer needs " +
                            largest);
    }
  }
  return differences;
}
