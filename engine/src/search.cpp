#include "quorvel/search.h"

#include <cassert>
#include <stdexcept>

#include "quorvel/failure.h"
#include "search_detail.h"

namespace quorvel {
namespace {

using search_detail::Digits;
using search_detail::OutOfRow;

// The walk's decision for one candidate, over every row of the matrix: the
// final word on what the faster search found.
SearchOutcome JudgeOnMatrix(const CompositionMatrix& matrix, const Digits& digits) {
  for (int e = 1; e <= matrix.elements(); ++e) {
    std::int32_t sum = 0;
    for (int j = 0; j < matrix.compounds(); ++j) {
      // The product is exact; only the running sum is held to 16 bits.
      sum += digits[static_cast<std::size_t>(j)] * matrix.At(j, e);
      if (OutOfRow(sum)) return SearchOutcome::kOverflow;
    }
    if (sum != 0) return SearchOutcome::kNotFound;
  }
  return SearchOutcome::kFound;
}

// Up to this many compounds the candidates are few enough to walk one by one.
constexpr int kMaxWalked = 4;

}  // namespace

SearchResult SearchCoefficients(const CompositionMatrix& matrix,
                                const std::function<bool()>& yield) {
  const int n = matrix.compounds();
  if (n < 1 || n > search_detail::kMaxCompounds) {
    throw std::invalid_argument("the coefficient search takes 1 to 9 compounds");
  }
  search_detail::YieldPacer pacer(yield);
  // A host that is closing hears about it before any work, as with the walk.
  pacer.Now();

  const search_detail::ReducedRows rows = search_detail::ReduceRows(matrix);
  std::optional<Digits> stop;
  if (n <= kMaxWalked) {
    stop = search_detail::ScanOnesPrefix(rows, 0, pacer);
  } else {
    const int prefix_len = n - n / 2;
    stop = search_detail::ScanOnesPrefix(rows, prefix_len, pacer);
    if (!stop) stop = search_detail::SplitSearch(rows, prefix_len, pacer);
  }
  if (!stop) return {SearchOutcome::kNotFound, {}};

  const SearchOutcome outcome = JudgeOnMatrix(matrix, *stop);
  // The search only stops where the walk stops.
  assert(outcome != SearchOutcome::kNotFound);
  if (outcome != SearchOutcome::kFound) return {SearchOutcome::kOverflow, {}};
  CoefficientString digits;
  for (int j = 0; j < n; ++j) {
    digits.push_back(static_cast<char>('0' + (*stop)[static_cast<std::size_t>(j)]));
  }
  return {SearchOutcome::kFound, digits};
}

}  // namespace quorvel
