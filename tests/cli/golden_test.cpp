#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "quorvel/pipeline.h"

namespace quorvel_test {
namespace {

struct GoldenRow {
  int line = 0;
  std::string equation;
  std::string expected;
};

void PrintTo(const GoldenRow& row, std::ostream* out) { *out << row.equation; }

std::vector<GoldenRow> LoadGolden() {
  std::vector<GoldenRow> rows;
  std::ifstream file(QUORVEL_CLI_GOLDEN);
  std::string text;
  for (int line = 1; std::getline(file, text); ++line) {
    if (text.empty() || text[0] == '#') continue;
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) {
      ADD_FAILURE() << "golden.txt line " << line << " has no tab";
      continue;
    }
    rows.push_back({line, text.substr(0, tab), text.substr(tab + 1)});
  }
  return rows;
}

const std::vector<GoldenRow>& Golden() {
  static const std::vector<GoldenRow> rows = LoadGolden();
  return rows;
}

bool Balanced(const GoldenRow& row) { return row.expected != quorvel::kFailureTextUtf8; }

struct GoldenName {
  std::string operator()(const testing::TestParamInfo<GoldenRow>& info) const {
    return "line_" + std::to_string(info.param.line);
  }
};

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
