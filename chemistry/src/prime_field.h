#pragma once

#include <cstdint>

#include "quorvel/chemistry/integer.h"

namespace quorvel::chemistry::detail {

// Arithmetic modulo a prime below 2^31, so that the product of two residues
// fits a machine word.
class PrimeField {
 public:
  explicit PrimeField(std::uint64_t prime) : prime_(prime) {}

  std::uint64_t prime() const { return prime_; }
  std::uint64_t Multiply(std::uint64_t a, std::uint64_t b) const { return a * b % prime_; }
  std::uint64_t Subtract(std::uint64_t a, std::uint64_t b) const {
    return a >= b ? a - b : a + prime_ - b;
  }
  // The inverse of a residue that is not 0.
  std::uint64_t Inverse(std::uint64_t a) const;
  // The residue of an integer of any size and sign.
  std::uint64_t Residue(const Integer& x) const;

 private:
  std::uint64_t prime_;
};

// The largest prime below `bound`, for 3 <= bound <= 2^31.
std::uint64_t PrimeBelow(std::uint64_t bound);

}  // namespace quorvel::chemistry::detail
