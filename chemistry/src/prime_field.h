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
  // a + b * c, reduced once.
  std::uint64_t MultiplyAdd(std::uint64_t a, std::uint64_t b, std::uint64_t c) const {
    return Reduce(a + b * c);
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

// The largest prime below `bound`, for 3 <= bound <= 2^31.
std::uint64_t PrimeBelow(std::uint64_t bound);

}  // namespace quorvel::chemistry::detail
