// quorvel-cli --chemistry against the real binary: the golden table of real
// equations, in text and in JSON, one by one and all at once on standard input.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "golden_table.h"

namespace quorvel_test {
namespace {

const std::string kErrorMark = "error: ";
const std::string kArgument = "quorvel-cli: equation argument 1: ";

const std::vector<GoldenRow>& Golden() {
  static const std::vector<GoldenRow> rows = LoadGolden(QUORVEL_CHEMISTRY_GOLDEN);
  return rows;
}

bool Fails(const GoldenRow& row) { return row.expected.starts_with(kErrorMark); }
std::string Reason(const GoldenRow& row) { return row.expected.substr(kErrorMark.size()); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ChemistryGoldenTest : public testing::TestWithParam<GoldenRow> {};

// The answer on standard output; the reason first on standard error, then
// only reactions and notes.
TEST_P(ChemistryGoldenTest, TextGivesTheExpectedLine) {
  const GoldenRow& row = GetParam();
  const CliOutcome outcome = RunCli({"--chemistry", row.equation});
  std::vector<std::string> err = Lines(outcome.err);
  if (Fails(row)) {
    EXPECT_EQ(outcome.out, "\n");
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.front(), kArgument + Reason(row));
    err.erase(err.begin());
  } else {
    EXPECT_EQ(outcome.out, row.expected + "\n");
  }
  for (const std::string& line : err) {
    EXPECT_TRUE(line.starts_with(kArgument + "note: ") || line.starts_with(kArgument + "reaction "))
        << line;
  }
  EXPECT_EQ(outcome.status, Fails(row) ? 1 : 0);
}

TEST_P(ChemistryGoldenTest, JsonGivesTheSameAnswer) {
  const GoldenRow& row = GetParam();
  const CliOutcome outcome = RunCli({"--chemistry", "--json", row.equation});
  ASSERT_EQ(Lines(outcome.out).size(), 1u) << outcome.out;
  const nlohmann::ordered_json object = nlohmann::ordered_json::parse(outcome.out);
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"input", "result", "ok", "coefficients", "error",
                                            "notes", "reactions"}));
  EXPECT_EQ(object["input"], row.equation);
  EXPECT_EQ(object["ok"], !Fails(row));
  EXPECT_EQ(object["result"], Fails(row) ? "" : row.expected);
  EXPECT_EQ(object["error"], Fails(row) ? nlohmann::ordered_json(Reason(row)) : nullptr);
  EXPECT_EQ(object["coefficients"].empty(), Fails(row));
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.status, Fails(row) ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(GoldenTable, ChemistryGoldenTest, testing::ValuesIn(Golden()),
                         GoldenName());

TEST(ChemistryStdinTest, EveryLineIsAnsweredInOrder) {
  std::string input;
  std::string expected;
  for (const GoldenRow& row : Golden()) {
    input += row.equation + "\r\n";
    expected += (Fails(row) ? "" : row.expected) + "\n";
  }
  const CliOutcome outcome = RunCli({"--chemistry"}, input);
  EXPECT_EQ(outcome.out, expected);
  EXPECT_EQ(outcome.status, 1);
}

TEST(ChemistryStdinTest, InvalidUtf8GetsAnObjectAndStatusTwo) {
  const CliOutcome outcome = RunCli({"--chemistry", "--json"}, "H2 = \xff\nH2 + O2 = H2O\n");
  const std::vector<std::string> lines = Lines(outcome.out);
  ASSERT_EQ(lines.size(), 2u);
  const nlohmann::json bad = nlohmann::json::parse(lines[0]);
  EXPECT_EQ(bad["input"], "H2 = \xEF\xBF\xBD");
  EXPECT_EQ(bad["error"], "not valid UTF-8 at byte 6");
  EXPECT_EQ(bad["ok"], false);
  EXPECT_EQ(nlohmann::json::parse(lines[1])["result"], "2H2 + O2 = 2H2O");
  EXPECT_EQ(outcome.err, "quorvel-cli: line 1: not valid UTF-8 at byte 6\n");
  EXPECT_EQ(outcome.status, 2);
}

TEST(ChemistryOptionsTest, MatrixIsAUsageError) {
  const CliOutcome outcome = RunCli({"--chemistry", "--matrix", "H2 = H2"});
  EXPECT_EQ(outcome.out, "");
  EXPECT_TRUE(outcome.err.starts_with("quorvel-cli: --matrix has no meaning with --chemistry\n"));
  EXPECT_EQ(outcome.status, 2);
}

TEST(ChemistryOptionsTest, ReactionsAreListedOnStandardError) {
  const CliOutcome outcome = RunCli({"--chemistry", "H2 + O2 = H2O + H2O2"});
  EXPECT_EQ(outcome.err,
            kArgument + "it balances in more than one way: it combines 2 independent reactions\n" +
                kArgument + "reaction 1: 2H2 + O2 = 2H2O\n" + kArgument +
                "reaction 2: H2 + O2 = H2O2\n");
}

}  // namespace
}  // namespace quorvel_test
