#include <cstdint>

#include "quorvel/failure.h"
#include "quorvel/search.h"

namespace quorvel {

// The plain ascending walk over every candidate.
SearchResult SearchCoefficients(const CompositionMatrix& matrix,
                                const std::function<bool()>& yield) {
  const int n = matrix.compounds();
  std::int32_t first = 0;
  for (int i = 0; i < n; ++i) first = first * 10 + 1;
  const std::int32_t last = 9 * first;
  std::vector<std::int32_t> digits(static_cast<std::size_t>(n));
  for (std::int32_t k = first; k <= last; ++k) {
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
        const std::int32_t product = digits[static_cast<std::size_t>(j)] * matrix.At(j, e);
        if (product < INT16_MIN || product > INT16_MAX) return {SearchOutcome::kOverflow, {}};
        sum += product;
        if (sum < INT16_MIN || sum > INT16_MAX) return {SearchOutcome::kOverflow, {}};
      }
      balanced = sum == 0;
    }
    if (balanced) return {SearchOutcome::kFound, std::to_string(k)};
  }
  return {SearchOutcome::kNotFound, {}};
}

}  // namespace quorvel
