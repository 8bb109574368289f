// quorvel-cli --chemistry against the real binary: the golden table of real
// equations, in text and in JSON, one by one and all at once on standard input.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "golden_table.h"
#include "test_support.h"

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

// For scripts, whatever the user's language: "error" in English, "reason"
// a name for its kind.
TEST_P(ChemistryGoldenTest, JsonGivesTheSameAnswer) {
  const GoldenRow& row = GetParam();
  const CliOutcome outcome =
      RunCli({"--chemistry", "--json", row.equation}, "", {"LANG=zh_CN.UTF-8"});
  ASSERT_EQ(Lines(outcome.out).size(), 1u) << outcome.out;
  const nlohmann::ordered_json object = nlohmann::ordered_json::parse(outcome.out);
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"input", "result", "enthalpy", "ok", "coefficients",
                                            "error", "reason", "notes", "reactions",
                                            "default_reading_differences"}));
  EXPECT_EQ(object["input"], row.equation);
  EXPECT_EQ(object["ok"], !Fails(row));
  EXPECT_EQ(object["result"], Fails(row) ? "" : row.expected);
  EXPECT_EQ(object["error"], Fails(row) ? nlohmann::ordered_json(Reason(row)) : nullptr);
  EXPECT_EQ(object["reason"].is_string(), Fails(row));
  EXPECT_EQ(object["reason"].is_null(), !Fails(row));
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

struct LongLineRow : Row {
  std::string input;
  std::string out;
  std::string err;
};

class ChemistryLongLineTest : public testing::TestWithParam<LongLineRow> {};

// A line past the limit is refused without being read whole, and the lines
// after it are answered as usual.
TEST_P(ChemistryLongLineTest, RefusesPastTheLimitAndReadsOn) {
  const LongLineRow& row = GetParam();
  const CliOutcome outcome = RunCli({"--chemistry"}, row.input);
  EXPECT_EQ(outcome.out, row.out);
  EXPECT_EQ(outcome.err, row.err);
}

// "H2 + O2 = H2O" and spaces, `length` bytes in all.
std::string PaddedEquation(std::size_t length) {
  std::string line = "H2 + O2 = H2O";
  line.resize(length, ' ');
  return line;
}

constexpr std::size_t kLimit = 1 << 19;
const std::string kTooLong = "quorvel-cli: line 1: the equation is longer than 524288 bytes\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, ChemistryLongLineTest,
    testing::Values(
        LongLineRow{{"at_the_limit"}, PaddedEquation(kLimit) + "\n", "2H2 + O2 = 2H2O\n", ""},
        LongLineRow{{"at_the_limit_with_cr"},
                    PaddedEquation(kLimit) + "\r\nH2 + O2 = H2O\n",
                    "2H2 + O2 = 2H2O\n2H2 + O2 = 2H2O\n",
                    ""},
        LongLineRow{{"one_byte_past"},
                    PaddedEquation(kLimit + 1) + "\nH2 + O2 = H2O\n",
                    "\n2H2 + O2 = 2H2O\n",
                    kTooLong},
        LongLineRow{{"megabytes_past"},
                    PaddedEquation(10 * kLimit) + "\r\nH2 + O2 = H2O",
                    "\n2H2 + O2 = 2H2O\n",
                    kTooLong}),
    RowName());

struct LanguageRow : Row {
  std::vector<std::string> environment;
  std::vector<std::string> args;
  std::string input;
  std::string err;
};

class ChemistryLanguageTest : public testing::TestWithParam<LanguageRow> {};

TEST_P(ChemistryLanguageTest, SpeaksTheUsersLanguage) {
  const LanguageRow& row = GetParam();
  const CliOutcome outcome = RunCli(row.args, row.input, row.environment);
  EXPECT_EQ(outcome.err, row.err);
}

const std::string kOneSidedEnglish =
    "quorvel-cli: equation argument 1: H appears only among the reactants; O appears only among "
    "the products\n";
const std::string kOneSidedChinese =
    "quorvel-cli: 第 1 个方程式参数: H 只出现在反应物中；O 只出现在生成物中\n";

INSTANTIATE_TEST_SUITE_P(
    Choice, ChemistryLanguageTest,
    testing::Values(
        LanguageRow{{"english_by_default"}, {}, {"--chemistry", "H2 = O2"}, "", kOneSidedEnglish},
        LanguageRow{
            {"lang"}, {"LANG=zh_CN.UTF-8"}, {"--chemistry", "H2 = O2"}, "", kOneSidedChinese},
        LanguageRow{
            {"lc_all"}, {"LC_ALL=zh_TW.UTF-8"}, {"--chemistry", "H2 = O2"}, "", kOneSidedChinese},
        LanguageRow{{"lc_messages"},
                    {"LC_MESSAGES=zh_CN"},
                    {"--chemistry", "H2 = O2"},
                    "",
                    kOneSidedChinese},
        LanguageRow{{"language_list"},
                    {"LANGUAGE=zh_CN:en_US"},
                    {"--chemistry", "H2 = O2"},
                    "",
                    kOneSidedChinese},
        LanguageRow{{"language_before_lang"},
                    {"LANGUAGE=en_US", "LANG=zh_CN.UTF-8"},
                    {"--chemistry", "H2 = O2"},
                    "",
                    kOneSidedEnglish},
        LanguageRow{{"lc_all_before_lang"},
                    {"LC_ALL=C", "LANG=zh_CN.UTF-8"},
                    {"--chemistry", "H2 = O2"},
                    "",
                    kOneSidedEnglish},
        LanguageRow{{"empty_counts_as_unset"},
                    {"LANGUAGE=", "LC_ALL=", "LANG=zh_CN.UTF-8"},
                    {"--chemistry", "H2 = O2"},
                    "",
                    kOneSidedChinese},
        LanguageRow{{"other_language"},
                    {"LANG=zu_ZA.UTF-8"},
                    {"--chemistry", "H2 = O2"},
                    "",
                    kOneSidedEnglish}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Messages, ChemistryLanguageTest,
    testing::Values(
        LanguageRow{{"reactions_on_standard_input"},
                    {"LANG=zh_CN.UTF-8"},
                    {"--chemistry"},
                    "H2 + O2 = H2O + H2O2\n",
                    "quorvel-cli: 第 1 行: 配平方式不止一种：这个方程式包含 2 个相互独立的反应\n"
                    "quorvel-cli: 第 1 行: 反应 1：2H2 + O2 = 2H2O\n"
                    "quorvel-cli: 第 1 行: 反应 2：H2 + O2 = H2O2\n"},
        LanguageRow{{"reading_error_position"},
                    {"LANG=zh_CN.UTF-8"},
                    {"--chemistry", "Ca(OH = H"},
                    "",
                    "quorvel-cli: 第 1 个方程式参数: 第 3 个字符“(”缺少与之配对的右括号\n"},
        LanguageRow{{"species_held_at_zero"},
                    {"LANG=zh_CN.UTF-8"},
                    {"--chemistry", "NaCl + H2O = NaOH + HCl + Cl2"},
                    "",
                    "quorvel-cli: 第 1 个方程式参数: 只有当 Cl2 的系数为 0 时才能配平\n"
                    "quorvel-cli: 第 1 个方程式参数: 说明：去掉它后，配平为 NaCl + H2O = NaOH + "
                    "HCl\n"},
        LanguageRow{{"invalid_utf8_beside_json"},
                    {"LANG=zh_CN.UTF-8"},
                    {"--chemistry", "--json"},
                    "H2 = \xff\n",
                    "quorvel-cli: 第 1 行: 文字不是有效的 UTF-8 编码（第 6 个字节有误）\n"},
        // The default mode's messages are not the chemistry library's.
        LanguageRow{{"default_mode_stays_english"},
                    {"LANG=zh_CN.UTF-8"},
                    {},
                    "H2 = \xff\n",
                    "quorvel-cli: line 1: not valid UTF-8; equation skipped\n"}),
    RowName());

struct DifferenceRow : Row {
  std::string equation;
  std::vector<std::string> differences;
};

class DefaultReadingTest : public testing::TestWithParam<DifferenceRow> {};

// Where the default mode reads an equation otherwise is for scripts that
// compare the modes: under --json alone, never among the notes on standard
// error, which speak of the chemistry reading only.
TEST_P(DefaultReadingTest, OnlyJsonComparesWithTheDefaultReading) {
  const DifferenceRow& row = GetParam();
  const nlohmann::json object =
      nlohmann::json::parse(RunCli({"--chemistry", "--json", row.equation}).out);
  EXPECT_EQ(object["default_reading_differences"].get<std::vector<std::string>>(), row.differences);
  EXPECT_TRUE(object["notes"].empty()) << object["notes"];
  const CliOutcome text = RunCli({"--chemistry", row.equation});
  EXPECT_EQ(text.err.find("note:"), std::string::npos) << text.err;
}

INSTANTIATE_TEST_SUITE_P(
    Equations, DefaultReadingTest,
    testing::Values(
        DifferenceRow{{"long_count_and_coefficient"},
                      "C12H22O11 + O2 = CO2 + H2O",
                      {"the default reading takes one digit per count, so it reads 12 in "
                       "C12H22O11 as 1",
                       "the default reading's coefficients go up to 9; this answer needs 12"}},
        DifferenceRow{{"second_group"},
                      "Co(NH3)4(NO2)2 + O2 = Co + NO2 + H2O",
                      {"the default reading counts only the first group in parentheses, so it "
                       "reads Co(NH3)4(NO2)2 differently"}},
        DifferenceRow{{"square_brackets"},
                      "K4[Fe(CN)6] + H2SO4 + H2O = K2SO4 + FeSO4 + (NH4)2SO4 + CO",
                      {"the default reading counts only the first group in parentheses, so it "
                       "reads K4[Fe(CN)6] differently"}},
        DifferenceRow{{"typed_coefficient"},
                      "2H2 + O2 = 2H2O",
                      {"the default reading takes the typed coefficient of 2H2 as part of the "
                       "formula"}},
        DifferenceRow{{"typed_coefficient_of_an_adduct"},
                      "2 CaSO4·½H2O + 3H2O = 2 CaSO4·2H2O",
                      {"the default reading takes the typed coefficient of 2 CaSO4·½H2O as part "
                       "of the formula"}},
        // A failure is compared too: its reading is the same.
        DifferenceRow{{"more_than_nine_formulas"},
                      "Fe + Cl2 + O2 + H2 + N2 + C + S + P + K = FeCl3 + H2O",
                      {"the default reading balances nine formulas at most; this equation has "
                       "11"}},
        // The largest coefficient by value, not by its first digit.
        DifferenceRow{{"coefficient_past_a_machine_word"},
                      "H1000000000000000000000000000001 + O2 = H2O",
                      {"the default reading takes one digit per count, so it reads "
                       "1000000000000000000000000000001 in H1000000000000000000000000000001 as "
                       "1",
                       "the default reading's coefficients go up to 9; this answer needs "
                       "2000000000000000000000000000002"}},
        DifferenceRow{{"read_alike"}, "CH4 + O2 = CO2 + H2O", {}},
        DifferenceRow{{"unreadable"}, "H2 + = H2O", {}}),
    RowName());

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
