// The null space of the composition matrix: the independent reactions.

#include "null_space.h"

#include <algorithm>
#include <cstdint>

#include "echelon_lifter.h"
#include "modular_echelon.h"
#include "prime_field.h"

namespace quorvel::chemistry::detail {
namespace {

// The first prime below 2^31; each next one is the largest below the last.
constexpr std::size_t kPrimeBits = 30;  // each prime adds at least this many
constexpr std::uint64_t kPrimeBound = std::uint64_t{1} << (kPrimeBits + 1);

// Bits enough for the integers IntegerCandidate reads back and for the proof
// that follows: Hadamard's bound on any square part's determinant (the
// product of its rows' lengths, each at most its whole row's), and the bits
// the proof adds for the sums along a row.
std::size_t IntegerLiftBits(const std::vector<IntegerRow>& rows) {
  std::size_t doubled_determinant_bits = 0;  // of the squared lengths
  std::size_t row_bits = 0;
  for (const IntegerRow& row : rows) {
    Integer squares = 0;
    Integer sum = 0;
    for (const Integer& entry : row) {
      squares += entry * entry;
      sum += abs(entry);
    }
    if (squares == 0) continue;
    doubled_determinant_bits += msb(squares) + 1;
    row_bits = std::max<std::size_t>(row_bits, msb(sum) + 1);
  }
  return (doubled_determinant_bits + 1) / 2 + row_bits + 2;
}

}  // namespace

std::optional<ReducedMatrix> Reduce(const std::vector<IntegerRow>& rows, std::size_t columns,
                                    Deadline deadline) {
  EchelonLifter lifter;
  std::uint64_t prime = kPrimeBound;
  // Small fractions are read back from few primes; large ones cost half the
  // primes read back as integers, once there are bits enough for them.
  const std::size_t integer_bits = IntegerLiftBits(rows);
  bool integers_tried = false;
  // Trying the fractions after every prime would cost more than the primes
  // when many are needed; a quarter more each time costs at most a quarter.
  std::size_t next_try = 1;
  while (true) {
    prime = PrimeBelow(prime);
    const PrimeField field(prime);
    const std::optional<ModularEchelon> image = EchelonModulo(rows, columns, field, deadline);
    if (!image) return std::nullopt;
    lifter.Add(*image, field);
    if (lifter.primes() == 1) integers_tried = false;  // a new start
    const bool integers = lifter.ModulusBits() > integer_bits;
    if (integers && !integers_tried) {
      integers_tried = true;
      next_try = lifter.primes();
    }
    if (lifter.primes() < next_try) continue;
    next_try = lifter.primes() + 1 + lifter.primes() / 4;
    std::optional<ReducedMatrix> candidate = integers ? lifter.IntegerCandidate(columns, deadline)
                                                      : lifter.Candidate(columns, deadline);
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

Integer SharedDivisor(const Integer& divisor, const Integer& x) {
  return gcd(divisor, Integer(x % divisor));
}

IntegerRow NullVector(const ReducedMatrix& reduced, std::size_t columns, std::size_t free) {
  // Row r reads pivot * x[pivots[r]] + entry * x[free] = 0: with x[free] a
  // multiple of every pivot, the vector is in integers, and dividing by its
  // gcd leaves the one primitive vector. The pivots of a dense system mostly
  // share one value, so that a division finds most of them dividing already,
  // where a gcd of numbers of thousands of bits costs ten times as much.
  Integer scale = 1;
  for (std::size_t r = 0; r < reduced.rows.size(); ++r) {
    const IntegerRow& row = reduced.rows[r];
    if (row[free] == 0) continue;
    const Integer& pivot = row[reduced.pivots[r]];
    if (scale % pivot != 0) scale = scale == 1 ? pivot : Integer(lcm(scale, pivot));
  }
  IntegerRow vector(columns);
  vector[free] = scale;
  for (std::size_t r = 0; r < reduced.rows.size(); ++r) {
    const IntegerRow& row = reduced.rows[r];
    if (row[free] == 0) continue;
    const Integer& pivot = row[reduced.pivots[r]];
    Integer& entry = vector[reduced.pivots[r]];
    entry = scale == pivot ? row[free] : Integer(row[free] * scale / pivot);
    entry.backend().negate();
  }
  Integer divisor = 0;
  for (const Integer& entry : vector) {
    divisor = divisor == 0 ? abs(entry) : SharedDivisor(divisor, entry);
    if (divisor == 1) break;
  }
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
