#include "quorvel/search.h"

#include <cassert>
#include <stdexcept>

#include "quorvel/failure.h"
#include "search_detail.h"

namespace quorvel {
namespace {

using search_detail::Digits;
using search_detail::ToIndex;
using search_detail::Verdict;

// Up to this many compounds the candidates are few enough to walk one by one.
constexpr int kMaxWalked = 4;

}  // namespace

SearchResult SearchCoefficients(const CompositionMatrix& matrix,
                                const std::function<bool()>& yield) {
  const int n = matrix.compounds();
  if (n < 1 || n > kMaxSearchedCompounds) {
    throw std::invalid_argument("the coefficient search takes 1 to 9 compounds");
  }
  search_detail::YieldPacer pacer(yield);
  // A host that is closing hears about it before any work, as with the walk.
  pacer.Now();

  const search_detail::ReducedRows rows = search_detail::ReduceRows(matrix);
  std::optional<Digits> stop;
  if (n <= kMaxWalked) {
    stop = search_detail::WalkWholeRange(rows, pacer);
  } else {
    // The candidates that start with the longer half's ones have their
    // suffixes from ones upwards only: walked first, literally. The split
    // search takes every larger prefix.
    const int prefix_len = n - n / 2;
    stop = search_detail::WalkOnesPrefix(rows, prefix_len, pacer);
    if (!stop) stop = search_detail::SplitSearch(rows, prefix_len, pacer);
  }
  if (!stop) return {SearchOutcome::kNotFound, {}};

  // The final word on what the faster search found: the walk's decision on
  // the whole matrix, the rows that were left out included.
  const Verdict verdict = search_detail::JudgeCandidate(
      matrix.elements(), n, *stop, [&matrix](int row, int j) { return matrix.At(j, row + 1); });
  // The search only stops where the walk stops.
  assert(verdict != Verdict::kRejected);
  if (verdict != Verdict::kBalanced) return {SearchOutcome::kOverflow, {}};
  CoefficientString digits;
  for (int j = 0; j < n; ++j) digits.push_back(static_cast<char>('0' + (*stop)[ToIndex(j)]));
  return {SearchOutcome::kFound, digits};
}

}  // namespace quorvel
