#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::testing {

// A balanceable equation with every element in nearly every species: random
// counts from 0 to `max_count`, a planted solution of coefficients from 1 to
// 9, and the counts nudged (within their range) until the planted solution
// balances every element. With one species more than elements, the planted
// solution is, with near certainty, the only one.
struct DenseSystem {
  std::string equation;
  std::vector<std::uint64_t> planted;  // per species, in order
};

DenseSystem MakeDenseSystem(int elements, int species, std::uint64_t max_count,
                            std::uint32_t seed);

// The planted solution divided by its gcd, as the answer spells coefficients.
std::vector<std::string> SmallestCoefficients(const std::vector<std::uint64_t>& planted);

}  // namespace quorvel::testing
