// Solve: what exact linear algebra says about an equation's coefficients.

#include "quorvel/chemistry/solve.h"

#include <algorithm>

#include "composition.h"
#include "null_space.h"

namespace quorvel::chemistry {
namespace {

using detail::IntegerRow;

// A row whose entries all lean one way can only sum to 0 with every species
// in it at 0: its element (or the charge) has nothing to cancel against.
bool LeansOneWay(const IntegerRow& row) {
  bool positive = false;
  bool negative = false;
  for (const Integer& entry : row) {
    positive = positive || entry > 0;
    negative = negative || entry < 0;
  }
  return positive != negative;
}

// Of a vector and its negation, the one with more positive entries: the
// reading that moves the fewest species to the other side.
IntegerRow Oriented(IntegerRow vector) {
  const auto positive = std::count_if(vector.begin(), vector.end(), [](auto& x) { return x > 0; });
  const auto negative = std::count_if(vector.begin(), vector.end(), [](auto& x) { return x < 0; });
  if (negative > positive) {
    for (Integer& entry : vector) entry = -entry;
  }
  return vector;
}

}  // namespace

Solution Solve(const Equation& equation) {
  return Solve(equation, std::chrono::steady_clock::now() + kSolveTimeLimit);
}

Solution Solve(const Equation& equation, std::chrono::steady_clock::time_point deadline) {
  return detail::SolveComposition(equation, detail::BuildComposition(equation), deadline);
}

Solution detail::SolveComposition(const Equation& equation, const Composition& composition,
                                  std::chrono::steady_clock::time_point deadline) {
  Solution solution;
  for (std::size_t r = 0; r < composition.rows.size(); ++r) {
    if (LeansOneWay(composition.rows[r])) solution.one_sided.push_back(composition.row_elements[r]);
  }
  if (!solution.one_sided.empty()) {
    solution.kind = Solution::Kind::kOneSided;
    return solution;
  }

  const std::size_t columns = equation.species.size();
  const std::optional<detail::ReducedMatrix> reduced =
      detail::Reduce(composition.rows, columns, deadline);
  if (!reduced) {
    solution.kind = Solution::Kind::kTooLarge;
    return solution;
  }
  const std::vector<std::size_t>& free = reduced->free_columns;
  solution.reaction_count = free.size();

  solution.zero_species = detail::ColumnsHeldAtZero(*reduced);
  if (!solution.zero_species.empty()) {
    solution.kind = Solution::Kind::kZeroOnly;
    if (free.size() == 1) solution.coefficients = Oriented(NullVector(*reduced, columns, free[0]));
    return solution;
  }
  if (free.size() > 1) {
    solution.kind = Solution::Kind::kSeveral;
    for (std::size_t k = 0; k < free.size() && k < kListedReactions; ++k) {
      solution.reactions.push_back(Oriented(NullVector(*reduced, columns, free[k])));
    }
    return solution;
  }
  solution.coefficients = Oriented(NullVector(*reduced, columns, free[0]));
  const bool all_positive = std::all_of(solution.coefficients.begin(), solution.coefficients.end(),
                                        [](auto& x) { return x > 0; });
  solution.kind = all_positive ? Solution::Kind::kBalanced : Solution::Kind::kNoPositive;
  return solution;
}

}  // namespace quorvel::chemistry
