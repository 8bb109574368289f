// Large dense systems with a planted answer: the exact solver answers them
// all, with the smallest coefficients of the planted solution.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

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
// past the elements, the first kListedReactions of them listed, each in
// lowest terms and balancing every element. In a dense system the species
// past the elements are the free ones: the k-th listed reaction has the k-th
// of them and no other.
struct ReactionsCase {
  const char* name;
  int elements;
  int species;
  std::uint64_t max_count;
  std::uint32_t seed;
};

class DenseReactionsTest : public ::testing::TestWithParam<ReactionsCase> {};

TEST_P(DenseReactionsTest, ListsReactionsThatBalance) {
  const ReactionsCase& c = GetParam();
  const testing::DenseSystem system =
      testing::MakeDenseSystem(c.elements, c.species, c.max_count, c.seed);
  const ParseResult parsed = ParseEquation(system.equation);
  ASSERT_TRUE(parsed.equation);
  // Exactness, not speed: a distant deadline, so that a busy machine cannot
  // turn the answer into "too large".
  const Solution solution =
      Solve(*parsed.equation, std::chrono::steady_clock::now() + std::chrono::minutes(2));
  ASSERT_EQ(solution.kind, Solution::Kind::kSeveral);
  const auto extra = static_cast<std::size_t>(c.species - c.elements);
  EXPECT_EQ(solution.reaction_count, extra);
  ASSERT_EQ(solution.reactions.size(), std::min(extra, kListedReactions));
  const detail::Composition composition = detail::BuildComposition(*parsed.equation);
  for (std::size_t k = 0; k < solution.reactions.size(); ++k) {
    const std::vector<Integer>& reaction = solution.reactions[k];
    for (const detail::IntegerRow& row : composition.rows) {
      Integer sum = 0;
      for (std::size_t j = 0; j < row.size(); ++j) sum += row[j] * reaction[j];
      EXPECT_EQ(sum, 0) << "reaction " << k;
    }
    Integer divisor = 0;
    for (const Integer& coefficient : reaction) divisor = gcd(divisor, coefficient);
    EXPECT_EQ(divisor, 1) << "reaction " << k;
    for (std::size_t free = 0; free < extra; ++free) {
      EXPECT_EQ(reaction[c.elements + free] != 0, free == k) << "reaction " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DenseReactionsTest,
    ::testing::Values(ReactionsCase{"e30_s45_one_digit", 30, 45, 9, 3},
                      ReactionsCase{"e118_s200_seven_digits", 118, 200, 9'999'999, 1}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quorvel::chemistry
