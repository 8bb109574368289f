#include "null_space.h"

#include <utility>

namespace quorvel::chemistry::detail {
namespace {

// The work of one operation in word operations: a product of an a-word and
// a b-word number costs a * b; a gcd a few hundred times that (the binary gcd
// takes off about a bit a step); each entry handled a fixed overhead, and
// each zero passed over a smaller one. Measured, a unit is one to two
// nanoseconds.
constexpr std::uint64_t kEntryCost = 16;
constexpr std::uint64_t kZeroCost = 4;
constexpr std::uint64_t kGcdFactor = 256;

std::uint64_t Words(const Integer& x) { return x.backend().size(); }

std::uint64_t ProductCost(const Integer& a, const Integer& b) {
  return Words(a) * Words(b) + kEntryCost;
}

std::uint64_t GcdCost(const Integer& a, const Integer& b) {
  return kGcdFactor * Words(a) * Words(b) + kEntryCost;
}

class WorkMeter {
 public:
  explicit WorkMeter(std::uint64_t limit) : left_(limit) {}

  // False once the limit is passed.
  bool Spend(std::uint64_t units) {
    if (units > left_) return false;
    left_ -= units;
    return true;
  }

 private:
  std::uint64_t left_;
};

// Divides the row by the gcd of its entries, so the numbers stay as small as
// the row allows; then makes the entry at `pivot` positive.
bool Normalize(IntegerRow& row, std::size_t pivot, WorkMeter& meter) {
  Integer divisor = 0;
  std::uint64_t cost = 0;
  for (const Integer& entry : row) {
    if (entry == 0) continue;
    cost += GcdCost(entry, divisor);
    divisor = gcd(divisor, entry);
    if (divisor == 1) break;
  }
  if (divisor > 1) {
    for (Integer& entry : row) {
      if (entry == 0) continue;
      cost += ProductCost(entry, divisor);
      entry /= divisor;
    }
  }
  if (row[pivot] < 0) {
    for (Integer& entry : row) entry = -entry;
  }
  return meter.Spend(cost);
}

// row = a * row - b * pivot_row, which clears row's entry in the pivot column.
bool Eliminate(IntegerRow& row, const IntegerRow& pivot_row, std::size_t pivot, WorkMeter& meter) {
  std::uint64_t cost = GcdCost(pivot_row[pivot], row[pivot]);
  const Integer divisor = gcd(pivot_row[pivot], row[pivot]);
  const Integer a = pivot_row[pivot] / divisor;
  const Integer b = row[pivot] / divisor;
  for (std::size_t j = 0; j < row.size(); ++j) {
    if (pivot_row[j] == 0) {
      cost += kZeroCost;
      if (row[j] == 0 || a == 1) continue;
      cost += ProductCost(row[j], a);
      row[j] *= a;
    } else {
      cost += ProductCost(row[j], a) + ProductCost(pivot_row[j], b);
      row[j] = row[j] * a - pivot_row[j] * b;
    }
  }
  return meter.Spend(cost) && Normalize(row, pivot, meter);
}

// The row from `first` on whose entry in `column` is smallest and not 0;
// rows.size() when there is none. A small pivot keeps the numbers small.
std::size_t FindPivot(const std::vector<IntegerRow>& rows, std::size_t first, std::size_t column) {
  std::size_t best = rows.size();
  for (std::size_t r = first; r < rows.size(); ++r) {
    if (rows[r][column] == 0) continue;
    if (best == rows.size() || abs(rows[r][column]) < abs(rows[best][column])) best = r;
  }
  return best;
}

}  // namespace

std::optional<ReducedMatrix> Reduce(std::vector<IntegerRow> rows, std::size_t columns,
                                    std::uint64_t limit) {
  WorkMeter meter(limit);
  ReducedMatrix reduced;
  std::size_t rank = 0;
  for (std::size_t column = 0; column < columns; ++column) {
    const std::size_t pivot = FindPivot(rows, rank, column);
    if (!meter.Spend(rows.size() - rank + 1)) return std::nullopt;
    if (pivot == rows.size()) {
      reduced.free_columns.push_back(column);
      continue;
    }
    std::swap(rows[rank], rows[pivot]);
    if (!Normalize(rows[rank], column, meter)) return std::nullopt;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (r == rank || rows[r][column] == 0) continue;
      if (!Eliminate(rows[r], rows[rank], column, meter)) return std::nullopt;
    }
    reduced.pivots.push_back(column);
    ++rank;
  }
  rows.resize(rank);  // the rows past the rank are all 0
  reduced.rows = std::move(rows);
  return reduced;
}

IntegerRow NullVector(const ReducedMatrix& reduced, std::size_t columns, std::size_t free) {
  // Row r reads pivot * x[pivots[r]] + entry * x[free] = 0, so x[free] must be
  // a multiple of pivot / gcd(pivot, entry) in every row.
  Integer scale = 1;
  for (std::size_t r = 0; r < reduced.rows.size(); ++r) {
    const IntegerRow& row = reduced.rows[r];
    if (row[free] == 0) continue;
    const Integer& pivot = row[reduced.pivots[r]];
    scale = lcm(scale, pivot / gcd(pivot, row[free]));
  }
  IntegerRow vector(columns);
  vector[free] = scale;
  for (std::size_t r = 0; r < reduced.rows.size(); ++r) {
    const IntegerRow& row = reduced.rows[r];
    if (row[free] != 0) vector[reduced.pivots[r]] = -row[free] * scale / row[reduced.pivots[r]];
  }
  Integer divisor = 0;
  for (const Integer& entry : vector) divisor = gcd(divisor, entry);
  if (divisor > 1) {
    for (Integer& entry : vector) entry /= divisor;
  }
  return vector;
}

std::vector<std::size_t> ColumnsHeldAtZero(const ReducedMatrix& reduced) {
  std::vector<std::size_t> held;
  for (std::size_t r = 0; r < reduced.rows.size(); ++r) {
    bool touches_free = false;
    for (const std::size_t free : reduced.free_columns) {
      touches_free = touches_free || reduced.rows[r][free] != 0;
    }
    if (!touches_free) held.push_back(reduced.pivots[r]);
  }
  return held;
}

}  // namespace quorvel::chemistry::detail
