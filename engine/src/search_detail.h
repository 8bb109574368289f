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

inline constexpr int kMaxCompounds = 9;
inline constexpr std::int32_t kRowMin = INT16_MIN;
inline constexpr std::int32_t kRowMax = INT16_MAX;

inline bool OutOfRow(std::int32_t v) { return v < kRowMin || v > kRowMax; }

// One digit per compound, most significant first.
using Digits = std::array<std::int32_t, kMaxCompounds>;

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

enum class Verdict { kRejected, kBalanced, kOverflow };

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

// Walks the candidates whose first `fixed` digits are all 1 and whose other
// digits run from all ones to all nines; returns the first one the walk stops
// at (balanced or overflowing).
std::optional<Digits> ScanOnesPrefix(const ReducedRows& rows, int fixed, YieldPacer& pacer);

// The first candidate the walk stops at among those whose first `prefix_len`
// digits, read as a number, exceed the number written with that many ones.
std::optional<Digits> SplitSearch(const ReducedRows& rows, int prefix_len, YieldPacer& pacer);

}  // namespace quorvel::search_detail
