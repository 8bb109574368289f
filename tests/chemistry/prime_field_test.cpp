// Products modulo a prime by a precomputed quotient: exact at the edges,
// where an estimate short by one more than it allows would go unnoticed in
// most products and corrupt a few.

#include "prime_field.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quorvel::chemistry::detail {
namespace {

TEST(FixedFactorTest, MultipliesExactlyModuloThePrime) {
  const std::vector<std::uint32_t> primes = {3, 65521, 1'000'000'007, 2'147'483'629,
                                             2'147'483'647};
  for (const std::uint32_t prime : primes) {
    const std::vector<std::uint32_t> values = {0,         1,         2,         prime / 2,
                                               prime / 2 + 1, prime - 2, prime - 1};
    for (const std::uint32_t factor : values) {
      const FixedFactor fixed(factor, prime);
      for (const std::uint32_t x : values) {
        const std::uint64_t expected = std::uint64_t{factor} * x % prime;
        EXPECT_EQ(fixed.Times(x), expected) << factor << " * " << x << " mod " << prime;
      }
    }
  }
}

}  // namespace
}  // namespace quorvel::chemistry::detail
