// Arithmetic modulo a prime just below 2^31.

#pragma once

#include <cstdint>

#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry::detail {

// Arithmetic modulo a prime below 2^31, so that the product of two residues
// fits a machine word. Products are reduced by Barrett's method, a multiply
// and a shift in place of a division, which would cost ten times as much in
// the elimination's inner loop.
class PrimeField {
 public:
  __extension__ using Wide = unsigned __int128;

  explicit PrimeField(std::uint64_t prime)
      : prime_(prime),
        reciprocal_(~std::uint64_t{0} / prime),
        two_to_64_((~std::uint64_t{0} % prime + 1) % prime) {}

  std::uint64_t prime() const { return prime_; }
  std::uint64_t Multiply(std::uint64_t a, std::uint64_t b) const { return Reduce(a * b); }
  std::uint64_t Subtract(std::uint64_t a, std::uint64_t b) const {
    return a >= b ? a - b : a + prime_ - b;
  }
  // The inverse of a residue that is not 0.
  std::uint64_t Inverse(std::uint64_t a) const;
  // The residue of an integer of any size and sign.
  std::uint64_t Residue(const Integer& x) const;
  // The residue of a sum of products of residues (below 2^95).
  std::uint64_t ReduceWide(Wide x) const {
    const auto high = static_cast<std::uint64_t>(x >> 64);
    return Reduce(Reduce(static_cast<std::uint64_t>(x)) + Multiply(Reduce(high), two_to_64_));
  }

 private:
  // x mod prime: the quotient estimate from the reciprocal is short by at
  // most 2.
  std::uint64_t Reduce(std::uint64_t x) const {
    const auto quotient = static_cast<std::uint64_t>((static_cast<Wide>(x) * reciprocal_) >> 64);
    std::uint64_t remainder = x - quotient * prime_;
    while (remainder >= prime_) remainder -= prime_;
    return remainder;
  }

  std::uint64_t prime_;
  std::uint64_t reciprocal_;  // floor((2^64 - 1) / prime)
  std::uint64_t two_to_64_;   // 2^64 mod prime
};

// Products of many residues with one fixed residue `factor`, modulo a prime
// below 2^31. With factor * 2^32 / prime worked out once (Shoup's method),
// each product takes word multiplies and one comparison: no wide product, no
// loop, so that the elimination's row loop vectorises.
class FixedFactor {
 public:
  FixedFactor(std::uint32_t factor, std::uint32_t prime)
      : factor_(factor),
        quotient_(static_cast<std::uint32_t>((std::uint64_t{factor} << 32) / prime)),
        prime_(prime) {}

  // factor * x mod prime, for x < prime.
  std::uint32_t Times(std::uint32_t x) const {
    const auto estimate = static_cast<std::uint32_t>((std::uint64_t{quotient_} * x) >> 32);
    // Exact modulo 2^32 and below 2 * prime < 2^32.
    const std::uint32_t remainder = factor_ * x - estimate * prime_;
    return remainder >= prime_ ? remainder - prime_ : remainder;
  }

 private:
  std::uint32_t factor_;
  std::uint32_t quotient_;
  std::uint32_t prime_;
};

// The largest prime below `bound`, for 3 <= bound <= 2^31.
std::uint64_t PrimeBelow(std::uint64_t bound);

}  // namespace quorvel::chemistry::detail
