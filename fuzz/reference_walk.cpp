#include "reference_walk.h"

#include <cstdint>
#include <string>

namespace quorvel::fuzz {
namespace {

bool Fits16(std::int32_t value) { return value >= INT16_MIN && value <= INT16_MAX; }

}  // namespace

SearchResult WalkEveryCandidate(const CompositionMatrix& matrix) {
  const int compounds = matrix.compounds();
  std::int32_t first = 0;
  for (int i = 0; i < compounds; ++i) first = first * 10 + 1;
  const std::int32_t last = 9 * first;

  for (std::int32_t candidate = first; candidate <= last; ++candidate) {
    const std::string decimal = std::to_string(candidate);
    bool balanced = true;
    for (int e = 1; e <= matrix.elements() && balanced; ++e) {
      std::int32_t sum = 0;
      for (int j = 0; j < compounds; ++j) {
        const std::int32_t digit = decimal[static_cast<std::size_t>(j)] - '0';
        // The product is exact; only a running sum outside 16 bits fails.
        sum += digit * matrix.At(j, e);
        if (!Fits16(sum)) return {SearchOutcome::kOverflow, {}};
      }
      balanced = sum == 0;
    }
    if (balanced) return {SearchOutcome::kFound, decimal};
  }
  return {SearchOutcome::kNotFound, {}};
}

}  // namespace quorvel::fuzz
