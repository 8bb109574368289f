#include "null_space.h"

#include <cstdint>

#include "echelon_lifter.h"
#include "modular_echelon.h"
#include "prime_field.h"

namespace quorvel::chemistry::detail {
namespace {

// Whether every vector the candidate gives is in the null space of `rows`.
// When they are, the candidate is the exact form: its free columns' vectors
// are independent and no prime raises the rank, so they span the null space,
// whose annihilator is the row space; and the form is reduced by construction.
//
// Row r of the candidate reads p_r * x[pivot r] + sum of e_rk * x[free k] = 0,
// so with D the lcm of the p_r and w_rk = e_rk * D / p_r, the vector of free
// column k lies in the null space of row a exactly when
// a[free k] * D = sum over r of a[pivot r] * w_rk: one product of a count and
// a large number per term, none of two large numbers.
std::optional<bool> Annihilates(const ReducedMatrix& candidate,
                                const std::vector<IntegerRow>& rows, Deadline deadline) {
  const std::vector<std::size_t>& free = candidate.free_columns;
  Integer common = 1;
  for (std::size_t r = 0; r < candidate.rows.size(); ++r) {
    common = lcm(common, candidate.rows[r][candidate.pivots[r]]);
  }
  std::vector<IntegerRow> scaled(candidate.rows.size(), IntegerRow(free.size()));
  for (std::size_t r = 0; r < candidate.rows.size(); ++r) {
    const Integer factor = common / candidate.rows[r][candidate.pivots[r]];
    for (std::size_t k = 0; k < free.size(); ++k) {
      scaled[r][k] = candidate.rows[r][free[k]] * factor;
    }
  }
  IntegerRow sums(free.size());
  for (const IntegerRow& row : rows) {
    if (Passed(deadline)) return std::nullopt;
    for (std::size_t k = 0; k < free.size(); ++k) sums[k] = row[free[k]] * common;
    for (std::size_t r = 0; r < candidate.rows.size(); ++r) {
      const Integer& count = row[candidate.pivots[r]];
      if (count == 0) continue;
      for (std::size_t k = 0; k < free.size(); ++k) {
        if (scaled[r][k] != 0) sums[k] -= scaled[r][k] * count;
      }
    }
    for (const Integer& sum : sums) {
      if (sum != 0) return false;
    }
  }
  return true;
}

// The first prime below 2^31; each next one is the largest below the last.
constexpr std::uint64_t kPrimeBound = std::uint64_t{1} << 31;

}  // namespace

std::optional<ReducedMatrix> Reduce(const std::vector<IntegerRow>& rows, std::size_t columns,
                                    Deadline deadline) {
  EchelonLifter lifter;
  std::uint64_t prime = kPrimeBound;
  // Trying the fractions after every prime would cost more than the primes
  // when many are needed; a quarter more each time costs at most a quarter.
  std::size_t next_try = 1;
  while (true) {
    prime = PrimeBelow(prime);
    const PrimeField field(prime);
    const std::optional<ModularEchelon> image = EchelonModulo(rows, columns, field, deadline);
    if (!image) return std::nullopt;
    lifter.Add(*image, field);
    if (lifter.primes() < next_try) continue;
    next_try = lifter.primes() + 1 + lifter.primes() / 4;
    std::optional<ReducedMatrix> candidate = lifter.Candidate(columns, deadline);
    if (!candidate) continue;
    const std::optional<bool> exact = Annihilates(*candidate, rows, deadline);
    if (!exact) return std::nullopt;
    if (*exact) return candidate;
  }
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
