// Large dense systems with a planted answer: the exact solver answers them
// all, with the smallest coefficients of the planted solution.

#include <gtest/gtest.h>

#include "dense_system.h"
#include "quorvel/chemistry.h"

namespace quorvel::chemistry {
namespace {

struct DenseCase {
  const char* name;
  int elements;
  int species;
  std::uint64_t max_count;
};

class DenseSystemTest : public ::testing::TestWithParam<DenseCase> {};

TEST_P(DenseSystemTest, BalancesWithThePlantedCoefficients) {
  const DenseCase& c = GetParam();
  for (std::uint32_t seed = 1; seed <= 2; ++seed) {
    const testing::DenseSystem system =
        testing::MakeDenseSystem(c.elements, c.species, c.max_count, seed);
    const Answer answer = Balance(system.equation);
    ASSERT_TRUE(answer.ok()) << "seed " << seed << ": " << answer.error;
    EXPECT_EQ(answer.coefficients, testing::SmallestCoefficients(system.planted)) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DenseSystemTest,
    ::testing::Values(DenseCase{"e60_one_digit", 60, 61, 9}, DenseCase{"e80_one_digit", 80, 81, 9},
                      DenseCase{"e118_one_digit", 118, 119, 9},
                      DenseCase{"e30_seven_digits", 30, 31, 9'999'999},
                      DenseCase{"e118_seven_digits", 118, 119, 9'999'999}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quorvel::chemistry
