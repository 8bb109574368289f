// Large dense systems with a planted answer: the exact solver answers them
// all, with the smallest coefficients of the planted solution.

#include <gtest/gtest.h>

#include "composition.h"
#include "dense_system.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/parser.h"
#include "quorvel/chemistry/solve.h"

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

// More species than elements + 1: as many independent reactions as species
// past the elements, and each one listed balances every element.
TEST(DenseReactionsTest, ListsReactionsThatBalance) {
  const testing::DenseSystem system = testing::MakeDenseSystem(30, 45, 9, 3);
  const ParseResult parsed = ParseEquation(system.equation);
  ASSERT_TRUE(parsed.equation);
  const Solution solution = Solve(*parsed.equation);
  ASSERT_EQ(solution.kind, Solution::Kind::kSeveral);
  EXPECT_EQ(solution.reaction_count, 15u);
  ASSERT_EQ(solution.reactions.size(), 15u);
  const detail::Composition composition = detail::BuildComposition(*parsed.equation);
  for (const std::vector<Integer>& reaction : solution.reactions) {
    for (const detail::IntegerRow& row : composition.rows) {
      Integer sum = 0;
      for (std::size_t j = 0; j < row.size(); ++j) sum += row[j] * reaction[j];
      EXPECT_EQ(sum, 0);
    }
  }
}

}  // namespace
}  // namespace quorvel::chemistry
