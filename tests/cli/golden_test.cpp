#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"
#include "golden_table.h"
#include "quorvel/pipeline.h"

namespace quorvel_test {
namespace {

const std::vector<GoldenRow>& Golden() {
  static const std::vector<GoldenRow> rows = LoadGolden(QUORVEL_CLI_GOLDEN);
  return rows;
}

bool Balanced(const GoldenRow& row) { return row.expected != quorvel::FailureTextUtf8(); }

class GoldenTest : public testing::TestWithParam<GoldenRow> {};

TEST_P(GoldenTest, ArgumentGivesTheExpectedLine) {
  const GoldenRow& row = GetParam();
  const CliOutcome outcome = RunCli({row.equation});
  EXPECT_EQ(outcome.out, row.expected + "\n");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.status, Balanced(row) ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(GoldenTable, GoldenTest, testing::ValuesIn(Golden()), GoldenName());

// The whole table in one run on standard input, with CR LF line ends: the
// same lines in the same order.
TEST(GoldenStdinTest, EveryLineIsAnsweredInOrder) {
  std::string input;
  std::string expected;
  bool all_balanced = true;
  for (const GoldenRow& row : Golden()) {
    input += row.equation + "\r\n";
    expected += row.expected + "\n";
    all_balanced = all_balanced && Balanced(row);
  }
  ASSERT_FALSE(Golden().empty());
  const CliOutcome outcome = RunCli({}, input);
  EXPECT_EQ(outcome.out, expected);
  EXPECT_EQ(outcome.status, all_balanced ? 0 : 1);
}

}  // namespace
}  // namespace quorvel_test
