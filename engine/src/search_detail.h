#pragma once

// Internals of the coefficient search, shared by its source files only.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "quorvel/failure.h"
#include "quorvel/search.h"

namespace quorvel::search_detail {

inline constexpr int kMaxCompounds = kMaxSearchedCompounds;
inline constexpr std::int32_t kRowMin = INT16_MIN;
inline constexpr std::int32_t kRowMax = INT16_MAX;

inline bool OutOfRow(std::int32_t v) { return v < kRowMin || v > kRowMax; }

// Positions, rows and groups are counted in int; containers want size_t.
constexpr std::size_t ToIndex(int i) { return static_cast<std::size_t>(i); }

// One digit per compound, most significant first.
using Digits = std::array<std::int32_t, kMaxCompounds>;

// Moves the digit string in positions low..end-1 on to the next one that
// differs within positions low..last, that is past every string sharing
// those, counting in decimal with position end-1 lowest. Returns the
// leftmost position that changed, or -1 when there is no next string.
inline int NextDigits(Digits& digits, int low, int end, int last) {
  for (int i = last + 1; i < end; ++i) digits[ToIndex(i)] = 0;
  int position = last;
  while (position >= low && digits[ToIndex(position)] == 9) digits[ToIndex(position--)] = 0;
  if (position < low) return -1;
  ++digits[ToIndex(position)];
  return position;
}

enum class Verdict { kRejected, kBalanced, kOverflow };

// The walk's decision for one candidate: row by row, each running sum held to
// 16 bits (the products themselves are exact), a row that does not sum to
// zero rejects the candidate, and a running sum out of range ends the search.
// `entry(row, compound)` reads the rows.
template <typename Entry>
Verdict JudgeCandidate(int row_count, int compounds, const Digits& digits, const Entry& entry) {
  for (int row = 0; row < row_count; ++row) {
    std::int32_t sum = 0;
    for (int j = 0; j < compounds; ++j) {
      sum += digits[ToIndex(j)] * entry(row, j);
      if (OutOfRow(sum)) return Verdict::kOverflow;
    }
    if (sum != 0) return Verdict::kRejected;
  }
  return Verdict::kBalanced;
}

struct WalkRow {
  std::array<std::int32_t, kMaxCompounds> entry{};
  // Some digits 0..9 make a running sum of this row leave 16 bits.
  bool can_overflow = false;
  // Key rows that come before this one: their zero sums decide whether the
  // walk reaches it.
  int key_rows_before = 0;
};

// The element rows that can change any candidate's fate, in walk order. Rows
// left out are zero, or sum to zero and stay in range whenever the walk
// reaches them (they lie in the span of earlier rows), or can never be reached
// (the rows before them admit no candidate).
struct ReducedRows {
  int compounds = 0;
  std::vector<WalkRow> rows;
  // Indices into `rows`. The key rows before a row span every original row
  // before it, so "all earlier rows sum to zero" reads "all earlier key rows
  // sum to zero".
  std::vector<int> key;
  // False when the key rows have full column rank: then no candidate sums
  // every row to zero.
  bool balance_possible = true;
};

ReducedRows ReduceRows(const CompositionMatrix& matrix);

// What the walk decides for one candidate over the reduced rows.
Verdict Judge(const ReducedRows& rows, const Digits& digits);

// Calls the host's yield every so many units of work instead of once per digit.
class YieldPacer {
 public:
  explicit YieldPacer(const std::function<bool()>& yield) : yield_(yield) {}
  void Now() {
    if (!yield_()) throw BalanceAbandoned();
  }
  void Tick() {
    if (++ticks_ % kTicksPerYield == 0) Now();
  }

 private:
  // A tick costs well under a microsecond, so this stays far below 20 ms.
  static constexpr unsigned kTicksPerYield = 4096;
  const std::function<bool()>& yield_;
  unsigned ticks_ = 0;
};

// Both walk candidates one by one in ascending order, as the literal walk
// does, and return the first one it stops at (balanced or overflowing):
// WalkWholeRange every candidate from N ones to N nines, WalkOnesPrefix only
// those whose first `prefix_len` digits are all 1.
std::optional<Digits> WalkWholeRange(const ReducedRows& rows, YieldPacer& pacer);
std::optional<Digits> WalkOnesPrefix(const ReducedRows& rows, int prefix_len, YieldPacer& pacer);

// The first candidate the walk stops at among those whose first `prefix_len`
// digits, read as a number, exceed the number written with that many ones.
std::optional<Digits> SplitSearch(const ReducedRows& rows, int prefix_len, YieldPacer& pacer);

}  // namespace quorvel::search_detail
