// Reading exact answers back from elimination modulo primes.

#include "echelon_lifter.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
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

// A row of fractions with residues `residues`, as integers over `common`,
// which grows by what the row's denominators need; nullopt when some entry
// has no fraction within `bound`. Scaling each residue by the denominator so
// far first makes most entries integers, read back without the Euclidean
// algorithm: the rows of an echelon form mostly share one denominator, so
// that it is found once for all rows.
std::optional<IntegerRow> RowFromResidues(const std::vector<Integer>& residues,
                                          const Integer& modulus, const Integer& bound,
                                          Integer& common) {
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
  return numerators;
}

// The bits of |x|: 0 for 0, else one more than the top bit's index.
std::size_t BitLength(const Integer& x) {
  const auto& backend = x.backend();
  const auto top = backend.limbs()[backend.size() - 1];
  const std::size_t limb_bits = sizeof(top) * 8;
  return (backend.size() - 1) * limb_bits + static_cast<std::size_t>(std::bit_width(top));
}

// floor(sqrt(m / 2)); in machine words for one or two primes, the most
// common case by far, where the big integer's root costs more than the rest.
Integer HalfSquareRoot(const Integer& m) {
  if (m > std::numeric_limits<std::uint64_t>::max()) return sqrt(Integer(m / 2));
  const std::uint64_t half = static_cast<std::uint64_t>(m) / 2;
  auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(half)));
  while (root > 0 && root > half / root) --root;
  while ((root + 1) <= half / (root + 1)) ++root;
  return root;
}

}  // namespace

// Modulo an unlucky prime an entry vanishes that the exact form has: the rank
// drops, a pivot moves right, or a pivot comes from a later row. The exact
// form's images come first in this order.
bool EchelonLifter::Better(const ModularEchelon& image) const {
  if (image.pivots.size() != pivots_.size()) return image.pivots.size() > pivots_.size();
  if (image.pivots != pivots_) return image.pivots < pivots_;
  return image.pivot_rows < pivot_rows_;
}

void EchelonLifter::Add(const ModularEchelon& image, const PrimeField& field) {
  if (primes_.empty() || Better(image)) {
    pivots_ = image.pivots;
    pivot_rows_ = image.pivot_rows;
    free_columns_ = image.free_columns;
    primes_.clear();
    digits_.clear();
    modulus_ = 1;
  } else if (image.pivots != pivots_ || image.pivot_rows != pivot_rows_) {
    return;
  }
  Combine(image, field);
}

std::size_t EchelonLifter::ModulusBits() const { return BitLength(modulus_); }

// Chinese remaindering: x (mod m) and r (mod p) give x + m * t (mod m * p)
// with t = (r - x) / m (mod p), the new digit.
void EchelonLifter::Combine(const ModularEchelon& image, const PrimeField& field) {
  // The entries, the determinant, and the entries times the determinant.
  std::vector<std::uint64_t> residues;
  residues.reserve(2 * Entries() + 1);
  for (const std::vector<std::uint64_t>& row : image.free_entries) {
    residues.insert(residues.end(), row.begin(), row.end());
  }
  residues.push_back(image.determinant);
  for (std::size_t e = 0; e < Entries(); ++e) {
    residues.push_back(field.Multiply(residues[e], image.determinant));
  }

  const std::size_t entries = residues.size();
  const std::uint64_t prime = field.prime();
  std::vector<PrimeField::Wide> sums(entries);  // x (mod p), before reduction
  std::uint64_t place = 1;                      // the primes before the i-th (mod p)
  for (std::size_t i = 0; i < primes_.size(); ++i) {
    const std::vector<std::uint32_t>& digit = digits_[i];
    for (std::size_t e = 0; e < entries; ++e) sums[e] += std::uint64_t{digit[e]} * place;
    place = field.Multiply(place, primes_[i] % prime);
  }
  const std::uint64_t inverse = field.Inverse(place);
  std::vector<std::uint32_t>& digit = digits_.emplace_back(entries);
  for (std::size_t e = 0; e < entries; ++e) {
    const std::uint64_t known = field.ReduceWide(sums[e]);
    digit[e] = static_cast<std::uint32_t>(
        field.Multiply(field.Subtract(residues[e], known), inverse));
  }
  primes_.push_back(prime);
  modulus_ *= prime;
}

Integer EchelonLifter::Residue(std::size_t entry) const {
  Integer x = 0;
  for (std::size_t i = primes_.size(); i-- > 0;) {
    x *= primes_[i];
    x += digits_[i][entry];
  }
  return x;
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
  const Integer bound = HalfSquareRoot(modulus_);
  Integer common = 1;
  ReducedMatrix reduced;
  reduced.pivots = pivots_;
  reduced.free_columns = free_columns_;
  for (std::size_t r = 0; r < pivots_.size(); ++r) {
    if (Passed(deadline)) return std::nullopt;
    std::vector<Integer> residues;
    residues.reserve(free_columns_.size());
    for (std::size_t k = 0; k < free_columns_.size(); ++k) {
      residues.push_back(Residue(r * free_columns_.size() + k));
    }
    std::optional<IntegerRow> numerators = RowFromResidues(residues, modulus_, bound, common);
    if (!numerators) return std::nullopt;
    IntegerRow& row = reduced.rows.emplace_back(columns);
    row[pivots_[r]] = common;
    Integer divisor = common;
    for (std::size_t k = 0; k < free_columns_.size(); ++k) {
      if (divisor != 1) divisor = SharedDivisor(divisor, (*numerators)[k]);
      row[free_columns_[k]] = std::move((*numerators)[k]);
    }
    if (divisor > 1) {
      for (Integer& entry : row) entry /= divisor;
    }
  }
  return reduced;
}

std::optional<ReducedMatrix> EchelonLifter::IntegerCandidate(std::size_t columns,
                                                             Deadline deadline) const {
  const Integer half = modulus_ / 2;
  // The residue nearest 0.
  const auto least = [&](Integer x) {
    if (x > half) x -= modulus_;
    return x;
  };
  const Integer determinant = least(Residue(Entries()));
  ReducedMatrix reduced;
  reduced.pivots = pivots_;
  reduced.free_columns = free_columns_;
  for (std::size_t r = 0; r < pivots_.size(); ++r) {
    if (Passed(deadline)) return std::nullopt;
    IntegerRow& row = reduced.rows.emplace_back(columns);
    row[pivots_[r]] = determinant;
    Integer divisor = abs(row[pivots_[r]]);
    for (std::size_t k = 0; k < free_columns_.size(); ++k) {
      Integer& entry = row[free_columns_[k]];
      entry = least(Residue(Entries() + 1 + r * free_columns_.size() + k));
      if (divisor != 1) divisor = SharedDivisor(divisor, entry);
    }
    // Primitive, with its pivot positive.
    if (row[pivots_[r]] < 0) divisor = -divisor;
    if (divisor != 1) {
      for (Integer& entry : row) entry /= divisor;
    }
  }
  return reduced;
}

}  // namespace quorvel::chemistry::detail
