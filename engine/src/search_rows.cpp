#include <cstdlib>
#include <utility>

#include "search_detail.h"

namespace quorvel::search_detail {
namespace {

using Vector = std::array<std::int64_t, kMaxCompounds>;

// Rank over the rationals by fraction-free elimination, or nothing when an
// intermediate value would leave 64 bits. A row may only be dropped on proof,
// so an unknown rank must keep it.
std::optional<int> ExactRank(std::vector<Vector> m, int cols) {
  const int rows = static_cast<int>(m.size());
  int rank = 0;
  std::int64_t previous_pivot = 1;
  for (int c = 0; c < cols && rank < rows; ++c) {
    int pivot = rank;
    while (pivot < rows && m[ToIndex(pivot)][ToIndex(c)] == 0) {
      ++pivot;
    }
    if (pivot == rows) continue;
    std::swap(m[ToIndex(pivot)], m[ToIndex(rank)]);
    const Vector& top = m[ToIndex(rank)];
    const std::int64_t p = top[ToIndex(c)];
    for (int i = rank + 1; i < rows; ++i) {
      Vector& row = m[ToIndex(i)];
      const std::int64_t lead = row[ToIndex(c)];
      for (int j = c + 1; j < cols; ++j) {
        const auto uj = ToIndex(j);
        std::int64_t a = 0;
        std::int64_t b = 0;
        std::int64_t diff = 0;
        if (__builtin_mul_overflow(p, row[uj], &a) || __builtin_mul_overflow(lead, top[uj], &b) ||
            __builtin_sub_overflow(a, b, &diff)) {
          return std::nullopt;
        }
        row[uj] = diff / previous_pivot;  // exact: Sylvester's identity
      }
      row[ToIndex(c)] = 0;
    }
    previous_pivot = p;
    ++rank;
  }
  return rank;
}

// Rank modulo a prime never exceeds the rational rank, so a full rank here
// proves a full rational rank.
class ModularEchelon {
 public:
  explicit ModularEchelon(int cols) : cols_(cols) {}

  void Add(const Vector& v) {
    std::array<std::uint64_t, kMaxCompounds> r{};
    for (int j = 0; j < cols_; ++j) r[ToIndex(j)] = Reduce(v[ToIndex(j)]);
    for (const auto& [pivot_col, basis] : basis_) {
      const std::uint64_t f = r[ToIndex(pivot_col)];
      if (f == 0) continue;
      for (int j = 0; j < cols_; ++j)
        r[ToIndex(j)] = (r[ToIndex(j)] + kPrime - f * basis[ToIndex(j)] % kPrime) % kPrime;
    }
    for (int j = 0; j < cols_; ++j) {
      if (r[ToIndex(j)] == 0) continue;
      const std::uint64_t inv = Power(r[ToIndex(j)], kPrime - 2);
      for (int k = 0; k < cols_; ++k) r[ToIndex(k)] = r[ToIndex(k)] * inv % kPrime;
      basis_.emplace_back(j, r);
      return;
    }
  }
  bool Full() const { return static_cast<int>(basis_.size()) == cols_; }

 private:
  static constexpr std::uint64_t kPrime = 2147483647;
  static std::uint64_t Reduce(std::int64_t x) {
    const std::int64_t p = static_cast<std::int64_t>(kPrime);
    return static_cast<std::uint64_t>(((x % p) + p) % p);
  }
  static std::uint64_t Power(std::uint64_t base, std::uint64_t exp) {
    std::uint64_t result = 1;
    while (exp != 0) {
      if (exp & 1) result = result * base % kPrime;
      base = base * base % kPrime;
      exp >>= 1;
    }
    return result;
  }
  int cols_;
  std::vector<std::pair<int, std::array<std::uint64_t, kMaxCompounds>>> basis_;
};

// The highest running sum puts 9 on every positive entry and 0 elsewhere; the
// lowest, 9 on every negative one.
bool CanOverflow(const Vector& row, int cols) {
  std::int64_t positive = 0;
  std::int64_t negative = 0;
  for (int j = 0; j < cols; ++j) {
    const std::int64_t a = row[ToIndex(j)];
    (a > 0 ? positive : negative) += a;
  }
  return 9 * positive > kRowMax || 9 * negative < kRowMin;
}

bool ProvablyInSpan(const std::vector<Vector>& basis, const Vector& row, int cols) {
  std::vector<Vector> extended = basis;
  extended.push_back(row);
  const std::optional<int> before = ExactRank(basis, cols);
  const std::optional<int> after = ExactRank(std::move(extended), cols);
  return before && after && *before == *after;
}

}  // namespace

ReducedRows ReduceRows(const CompositionMatrix& matrix) {
  ReducedRows reduced;
  const int cols = matrix.compounds();
  reduced.compounds = cols;
  std::vector<Vector> key_vectors;
  ModularEchelon echelon(cols);
  for (int e = 1; e <= matrix.elements(); ++e) {
    // Past full rank only the zero candidate would clear the earlier rows.
    if (echelon.Full()) break;
    Vector row{};
    for (int j = 0; j < cols; ++j) row[ToIndex(j)] = matrix.At(j, e);
    const bool can_overflow = CanOverflow(row, cols);
    const bool dependent = ProvablyInSpan(key_vectors, row, cols);
    if (dependent && !can_overflow) continue;

    WalkRow walk_row;
    for (int j = 0; j < cols; ++j) {
      walk_row.entry[ToIndex(j)] = static_cast<std::int32_t>(row[ToIndex(j)]);
    }
    walk_row.can_overflow = can_overflow;
    walk_row.key_rows_before = static_cast<int>(reduced.key.size());
    reduced.rows.push_back(walk_row);
    if (!dependent) {
      reduced.key.push_back(static_cast<int>(reduced.rows.size()) - 1);
      key_vectors.push_back(row);
      echelon.Add(row);
    }
  }
  reduced.balance_possible = !echelon.Full();
  return reduced;
}

Verdict Judge(const ReducedRows& rows, const Digits& digits) {
  return JudgeCandidate(
      static_cast<int>(rows.rows.size()), rows.compounds, digits,
      [&rows](int row, int j) { return rows.rows[ToIndex(row)].entry[ToIndex(j)]; });
}

std::optional<Digits> WalkOnesPrefix(const ReducedRows& rows, int prefix_len, YieldPacer& pacer) {
  const int n = rows.compounds;
  Digits digits{};
  for (int j = 0; j < n; ++j) digits[ToIndex(j)] = 1;
  do {
    pacer.Tick();
    if (Judge(rows, digits) != Verdict::kRejected) return digits;
  } while (NextDigits(digits, prefix_len, n, n - 1) >= 0);
  return std::nullopt;
}

std::optional<Digits> WalkWholeRange(const ReducedRows& rows, YieldPacer& pacer) {
  // The range starts at N ones: the whole range is the candidates with no
  // leading digit held at 1.
  return WalkOnesPrefix(rows, 0, pacer);
}

}  // namespace quorvel::search_detail
