// The exact elimination: null spaces with numbers past any machine word, and
// the deadline that turns hostile sizes into an error.

#include "null_space.h"

#include <gtest/gtest.h>

namespace quorvel::chemistry::detail {
namespace {

Integer Big(const char* digits) { return Integer(digits); }

TEST(NullSpaceTest, SolvesWithNumbersPastAMachineWord) {
  // x * 10^40 = y * (10^40 + 1): x = 10^40 + 1, y = 10^40.
  const Integer ten40 = Big("10000000000000000000000000000000000000000");
  const auto reduced = Reduce({{ten40, Integer(-(ten40 + 1))}}, 2);
  ASSERT_TRUE(reduced);
  ASSERT_EQ(reduced->free_columns, std::vector<std::size_t>{1});
  EXPECT_EQ(NullVector(*reduced, 2, 1), (IntegerRow{ten40 + 1, ten40}));
}

TEST(NullSpaceTest, FindsTheColumnsHeldAtZero) {
  // a = b, b = 2c + d, d appears alone in a third row: d = 0 whatever a is.
  const auto reduced = Reduce({{1, -1, 0, 0}, {0, 1, -2, -1}, {0, 0, 0, 1}}, 4);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(ColumnsHeldAtZero(*reduced), std::vector<std::size_t>{3});
  EXPECT_EQ(NullVector(*reduced, 4, 2), (IntegerRow{2, 2, 1, 0}));
}

TEST(NullSpaceTest, StopsAtTheDeadline) {
  std::vector<IntegerRow> rows;
  for (int r = 0; r < 20; ++r) {
    IntegerRow& row = rows.emplace_back();
    for (int c = 0; c < 40; ++c) row.push_back((r * 7919 + c * 104729) % 1000003 + 1);
  }
  const Deadline now = std::chrono::steady_clock::now();
  EXPECT_FALSE(Reduce(rows, 40, now - std::chrono::seconds(1))) << "a deadline passed stops it";
  EXPECT_TRUE(Reduce(rows, 40, now + std::chrono::minutes(1))) << "a distant one does not";
}

// The elimination starts modulo 2^31 - 1; a matrix built on that prime reads
// differently there than in exact arithmetic.
constexpr int kFirstPrime = 2147483647;

struct UnluckyCase {
  const char* name;
  std::vector<IntegerRow> rows;
  std::size_t columns;
  std::vector<std::size_t> pivots;
  IntegerRow null_vector;  // of the first free column; empty when there is none
};

class UnluckyPrimeTest : public ::testing::TestWithParam<UnluckyCase> {};

TEST_P(UnluckyPrimeTest, GivesTheExactForm) {
  const UnluckyCase& c = GetParam();
  // Kept on the unlucky prime's reading, it would never check out.
  const auto reduced =
      Reduce(c.rows, c.columns, std::chrono::steady_clock::now() + std::chrono::seconds(10));
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->pivots, c.pivots);
  if (c.null_vector.empty()) {
    EXPECT_TRUE(reduced->free_columns.empty());
  } else {
    ASSERT_FALSE(reduced->free_columns.empty());
    EXPECT_EQ(NullVector(*reduced, c.columns, reduced->free_columns[0]), c.null_vector);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnluckyPrimeTest,
    ::testing::Values(
        // Modulo the prime, column 0 vanishes and the pivots move right.
        UnluckyCase{"PivotMovesRight",
                    {{kFirstPrime, 0, -1}, {0, 1, -1}},
                    3,
                    {0, 1},
                    {1, kFirstPrime, kFirstPrime}},
        // The determinant is the prime: modulo it the rank drops and a null
        // vector appears that exact arithmetic does not have.
        UnluckyCase{"RankDrops", {{Integer(kFirstPrime) + 1, 1}, {1, 1}}, 2, {0, 1}, {}},
        // A fraction whose numerator and denominator pass the first prime.
        UnluckyCase{"FractionPastOnePrime",
                    {{Integer(kFirstPrime) * 3 + 2, -(Integer(kFirstPrime) * 5 + 1)}},
                    2,
                    {0},
                    {Integer(kFirstPrime) * 5 + 1, Integer(kFirstPrime) * 3 + 2}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quorvel::chemistry::detail
