#include "reference_walk.h"

#include <string>
#include <vector>

#include "quorvel/failure.h"

namespace quorvel::reference {

SearchResult WalkEveryCandidate(const CompositionMatrix& matrix, const std::function<bool()>& yield,
                                std::int64_t limit) {
  const int n = matrix.compounds();
  std::int32_t first = 0;
  for (int i = 0; i < n; ++i) first = first * 10 + 1;
  const std::int32_t last = 9 * first;
  std::vector<std::int32_t> digits(static_cast<std::size_t>(n));
  std::int64_t tried = 0;
  for (std::int32_t k = first; k <= last; ++k) {
    if (limit > 0 && tried++ == limit) break;
    std::int32_t rest = k;
    for (int j = n - 1; j >= 0; --j) {
      digits[static_cast<std::size_t>(j)] = rest % 10;
      rest /= 10;
    }
    for (int j = 0; j < n; ++j) {
      if (!yield()) throw BalanceAbandoned();
    }
    bool balanced = true;
    for (int e = 1; e <= matrix.elements() && balanced; ++e) {
      std::int32_t sum = 0;
      for (int j = 0; j < n; ++j) {
        // The product is exact; only a running sum outside 16 bits fails.
        sum += digits[static_cast<std::size_t>(j)] * matrix.At(j, e);
        if (sum < INT16_MIN || sum > INT16_MAX) return {SearchOutcome::kOverflow, {}};
      }
      balanced = sum == 0;
    }
    if (balanced) return {SearchOutcome::kFound, std::to_string(k)};
  }
  return {SearchOutcome::kNotFound, {}};
}

SearchResult WalkEveryCandidate(const CompositionMatrix& matrix) {
  return WalkEveryCandidate(matrix, [] { return true; });
}

}  // namespace quorvel::reference
