#include "echelon_lifter.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace quorvel::chemistry::detail {
namespace {

// The fraction a / b with |a| <= bound and 0 < b <= bound whose residue
// modulo `modulus` is `x`, by the extended Euclidean algorithm; false when
// there is none. With bound = sqrt(modulus / 2) there is at most one.
bool RationalFromResidue(const Integer& x, const Integer& modulus, const Integer& bound,
                         Integer& numerator, Integer& denominator) {
  Integer r0 = modulus;
  Integer r1 = x;
  Integer t0 = 0;
  Integer t1 = 1;
  while (r1 > bound) {
    const Integer quotient = r0 / r1;
    // Named Integers: an expression template would read r1 after the move.
    Integer r2 = r0 - quotient * r1;
    Integer t2 = t0 - quotient * t1;
    r0 = std::exchange(r1, std::move(r2));
    t0 = std::exchange(t1, std::move(t2));
  }
  const bool negative = t1 < 0;
  if (negative) t1.backend().negate();
  if (t1 == 0 || t1 > bound || gcd(r1, t1) != 1) return false;
  numerator = std::move(r1);
  if (negative) numerator.backend().negate();
  denominator = std::move(t1);
  return true;
}

// A row of fractions with residues `residues`, as integers over a common
// denominator (returned first); nullopt when some entry has no fraction
// within `bound`. Scaling each residue by the denominator so far first makes
// most entries of a row integers, read back without the Euclidean algorithm.
std::optional<std::pair<Integer, IntegerRow>> RowFromResidues(const std::vector<Integer>& residues,
                                                              const Integer& modulus,
                                                              const Integer& bound) {
  Integer common = 1;
  IntegerRow numerators;
  numerators.reserve(residues.size());
  for (const Integer& residue : residues) {
    const Integer scaled = residue * common % modulus;
    Integer numerator;
    Integer denominator = 1;
    if (scaled <= bound) {
      numerator = scaled;
    } else if (modulus - scaled <= bound) {
      numerator = scaled - modulus;
    } else if (!RationalFromResidue(scaled, modulus, bound, numerator, denominator)) {
      return std::nullopt;
    }
    if (denominator != 1) {
      for (Integer& earlier : numerators) earlier *= denominator;
      common *= denominator;
      if (common > bound) return std::nullopt;
    }
    numerators.push_back(std::move(numerator));
  }
  return std::make_pair(std::move(common), std::move(numerators));
}

// The bits of |x|: 0 for 0, else one more than the top bit's index.
std::size_t BitLength(const Integer& x) {
  const auto& backend = x.backend();
  const auto top = backend.limbs()[backend.size() - 1];
  const std::size_t limb_bits = sizeof(top) * 8;
  return (backend.size() - 1) * limb_bits + static_cast<std::size_t>(std::bit_width(top));
}

}  // namespace

bool EchelonLifter::Better(const ModularEchelon& image) const {
  if (image.pivots.size() != pivots_.size()) return image.pivots.size() > pivots_.size();
  return image.pivots < pivots_;
}

void EchelonLifter::Add(const ModularEchelon& image, const PrimeField& field) {
  if (primes_ == 0 || Better(image)) {
    pivots_ = image.pivots;
    free_columns_ = image.free_columns;
    residues_.assign(pivots_.size(), std::vector<Integer>(free_columns_.size()));
    modulus_ = 1;
    primes_ = 0;
  } else if (image.pivots != pivots_) {
    return;
  }
  Combine(image, field);
}

// Chinese remaindering: x (mod m) and r (mod p) give x + m * t (mod m * p)
// with t = (r - x) / m (mod p).
void EchelonLifter::Combine(const ModularEchelon& image, const PrimeField& field) {
  const std::uint64_t inverse = field.Inverse(field.Residue(modulus_));
  for (std::size_t r = 0; r < residues_.size(); ++r) {
    for (std::size_t k = 0; k < free_columns_.size(); ++k) {
      Integer& x = residues_[r][k];
      const std::uint64_t step =
          field.Multiply(field.Subtract(image.free_entries[r][k], field.Residue(x)), inverse);
      if (step != 0) x += modulus_ * step;
    }
  }
  modulus_ *= field.prime();
  ++primes_;
}

std::size_t EchelonLifter::BitsShortOfProof(const ReducedMatrix& candidate,
                                            const std::vector<IntegerRow>& rows) const {
  // Row r of the candidate reads p_r x[pivot r] + sum over k of e_rk x[free k];
  // with D the lcm of the p_r, the integer null vector of free column k is D
  // there and -e_rk D / p_r at pivot r.
  Integer common = 1;
  for (std::size_t r = 0; r < candidate.rows.size(); ++r) {
    common = lcm(common, candidate.rows[r][candidate.pivots[r]]);
  }
  if (gcd(common, modulus_) != 1) return kNeverProved;
  const auto bits = BitLength;
  // |entry| < 2^vector_bits for every entry of every null vector.
  std::size_t vector_bits = bits(common);
  for (std::size_t r = 0; r < candidate.rows.size(); ++r) {
    const IntegerRow& row = candidate.rows[r];
    const std::size_t scale = bits(common) + 1 - bits(row[candidate.pivots[r]]);
    for (const std::size_t free : candidate.free_columns) {
      if (row[free] != 0) vector_bits = std::max(vector_bits, bits(row[free]) + scale);
    }
  }
  // |row . vector| <= (sum of |row|) * max |entry| < 2^(row_bits + vector_bits).
  std::size_t row_bits = 0;
  for (const IntegerRow& row : rows) {
    Integer sum = 0;
    for (const Integer& entry : row) sum += abs(entry);
    row_bits = std::max(row_bits, bits(sum));
  }
  const std::size_t have = BitLength(modulus_) - 1;
  const std::size_t need = row_bits + vector_bits;
  return need <= have ? 0 : need - have;
}

std::optional<ReducedMatrix> EchelonLifter::Candidate(std::size_t columns,
                                                      Deadline deadline) const {
  const Integer bound = sqrt(Integer(modulus_ / 2));
  ReducedMatrix reduced;
  reduced.pivots = pivots_;
  reduced.free_columns = free_columns_;
  for (std::size_t r = 0; r < pivots_.size(); ++r) {
    if (Passed(deadline)) return std::nullopt;
    auto fractions = RowFromResidues(residues_[r], modulus_, bound);
    if (!fractions) return std::nullopt;
    auto& [common, numerators] = *fractions;
    IntegerRow& row = reduced.rows.emplace_back(columns);
    row[pivots_[r]] = common;
    Integer divisor = common;
    for (std::size_t k = 0; k < free_columns_.size(); ++k) {
      divisor = gcd(divisor, numerators[k]);
      row[free_columns_[k]] = std::move(numerators[k]);
    }
    if (divisor > 1) {
      for (Integer& entry : row) entry /= divisor;
    }
  }
  return reduced;
}

}  // namespace quorvel::chemistry::detail
