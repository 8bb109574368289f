// Arithmetic modulo a prime just below 2^31.

#include "prime_field.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quorvel::chemistry::detail {
namespace {

std::uint64_t Power(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus) {
  std::uint64_t result = 1;
  base %= modulus;
  for (; exponent > 0; exponent >>= 1) {
    if (exponent & 1) result = result * base % modulus;
    base = base * base % modulus;
  }
  return result;
}

// Miller-Rabin with the bases that decide every number below 3.2 * 10^9.
bool IsPrime(std::uint64_t n) {
  if (n < 2) return false;
  constexpr std::array<std::uint64_t, 4> kBases = {2, 3, 5, 7};
  for (const std::uint64_t base : kBases) {
    if (n % base == 0) return n == base;
  }
  std::uint64_t odd = n - 1;
  int twos = 0;
  for (; odd % 2 == 0; odd /= 2) ++twos;
  for (const std::uint64_t base : kBases) {
    std::uint64_t x = Power(base, odd, n);
    if (x == 1 || x == n - 1) continue;
    bool composite = true;
    for (int k = 1; k < twos && composite; ++k) {
      x = x * x % n;
      composite = x != n - 1;
    }
    if (composite) return false;
  }
  return true;
}

std::uint64_t SearchPrimeBelow(std::uint64_t bound) {
  std::uint64_t candidate = bound - 1;
  while (!IsPrime(candidate)) --candidate;
  return candidate;
}

}  // namespace

std::uint64_t PrimeField::Inverse(std::uint64_t a) const {
  // Counts of 1 are the most common pivots by far.
  if (a == 1 || a == prime_ - 1) return a;
  return Power(a, prime_ - 2, prime_);
}

std::uint64_t PrimeField::Residue(const Integer& x) const {
  // integer_modulus gives the remainder of |x|.
  const auto remainder = static_cast<std::uint64_t>(boost::multiprecision::integer_modulus(x, prime_));
  return x.sign() < 0 && remainder != 0 ? prime_ - remainder : remainder;
}

std::uint64_t PrimeBelow(std::uint64_t bound) {
  // Every equation starts with the same primes below 2^31: found once, for
  // all threads (a function's static is built once, under a lock).
  static const std::vector<std::uint64_t> kTop = [] {
    std::vector<std::uint64_t> primes{std::uint64_t{1} << 31};
    for (int i = 0; i < 64; ++i) primes.push_back(SearchPrimeBelow(primes.back()));
    return primes;
  }();
  const auto known = std::find(kTop.begin(), kTop.end() - 1, bound);
  return known != kTop.end() - 1 ? *(known + 1) : SearchPrimeBelow(bound);
}

}  // namespace quorvel::chemistry::detail
