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
std::optional<bool> Annihilates(const ReducedMatrix& candidate,
                                const std::vector<IntegerRow>& rows, std::size_t columns,
                                Deadline deadline) {
  for (const std::size_t free : candidate.free_columns) {
    if (Passed(deadline)) return std::nullopt;
    const IntegerRow vector = NullVector(candidate, columns, free);
    for (const IntegerRow& row : rows) {
      Integer sum = 0;
      for (std::size_t j = 0; j < columns; ++j) {
        if (row[j] != 0 && vector[j] != 0) sum += row[j] * vector[j];
      }
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
    std::optional<ReducedMatrix> candidate = lifter.Candidate(columns);
    if (!candidate) continue;
    const std::optional<bool> exact = Annihilates(*candidate, rows, columns, deadline);
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
