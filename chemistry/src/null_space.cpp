#include "null_space.h"

#include <cstdint>

#include "echelon_lifter.h"
#include "modular_echelon.h"
#include "prime_field.h"

namespace quorvel::chemistry::detail {
namespace {

// The first prime below 2^31; each next one is the largest below the last.
constexpr std::size_t kPrimeBits = 30;  // each prime adds at least this many
constexpr std::uint64_t kPrimeBound = std::uint64_t{1} << (kPrimeBits + 1);

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
    const std::size_t short_bits = lifter.BitsShortOfProof(*candidate, rows);
    if (short_bits == 0) return candidate;
    // A right candidate is proved once the modulus has the bits it lacks; a
    // wrong one gives way to the right one on the way.
    if (short_bits != EchelonLifter::kNeverProved) {
      next_try = lifter.primes() + (short_bits + kPrimeBits - 1) / kPrimeBits;
    }
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
