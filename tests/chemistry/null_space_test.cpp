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

}  // namespace
}  // namespace quorvel::chemistry::detail
