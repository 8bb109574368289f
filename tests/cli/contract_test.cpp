#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "cli_process.h"
#include "quorvel/pipeline.h"
#include "quorvel/version.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

const std::string kFailure(quorvel::FailureTextUtf8());
const std::string kWaterMatrix = "2    0    -2    \r\n0    2    -1    \r\n";
const std::string kOverflowing = [] {
  std::string group = "(";
  for (int i = 0; i < 405; ++i) group += "H9";
  return group + ")9=H";
}();

struct JsonRow : Row {
  std::string input;
  std::string equation;
  std::string matrix;
  std::string result;
  bool ok;
  const char* failure;  // nullptr: null
};

class JsonTest : public testing::TestWithParam<JsonRow> {};

TEST_P(JsonTest, OneObjectWithExactlyTheSixKeys) {
  const JsonRow& row = GetParam();
  const CliOutcome outcome = RunCli({"--json", row.input});
  ASSERT_FALSE(outcome.out.empty());
  EXPECT_EQ(outcome.out.find('\n'), outcome.out.size() - 1) << "one line per equation";
  const nlohmann::json object = nlohmann::json::parse(outcome.out);
  std::set<std::string> keys;
  for (const auto& item : object.items()) keys.insert(item.key());
  EXPECT_EQ(keys,
            (std::set<std::string>{"input", "equation", "matrix", "result", "ok", "failure"}));
  EXPECT_EQ(object.value("input", ""), row.input);
  EXPECT_EQ(object.value("equation", ""), row.equation);
  EXPECT_EQ(object.value("matrix", ""), row.matrix);
  EXPECT_EQ(object.value("result", ""), row.result);
  EXPECT_EQ(object.value("ok", !row.ok), row.ok);
  EXPECT_EQ(object["failure"], row.failure == nullptr ? nlohmann::json() : row.failure);
  EXPECT_EQ(outcome.status, row.ok ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, JsonTest,
    testing::Values(
        JsonRow{
            {"water"}, "H2 + O2 = H2O", "H2+O2=H2O", kWaterMatrix, "2H2+O2=2H2O", true, nullptr},
        JsonRow{{"arrow"}, "H2+O2->H2O", "H2+O2=>H2O", kWaterMatrix, "2H2+O2=2>H2O", true, nullptr},
        JsonRow{{"zero_coefficient"},
                "H2+O2+N2=H2O",
                "H2+O2+N2=H2O",
                "2    0    0    -2    \r\n0    2    0    -1    \r\n0    0    2    0    \r\n",
                "2H2+O2+0N2=2H2O",
                true,
                nullptr},
        JsonRow{{"no_reactants"}, "2+H2", "2+H2", "0    -2    \r\n", "=2+0H2", true, nullptr},
        JsonRow{{"full_width"},
                "（NH4）2SO4＋NaOH=Na2SO4+NH3+H2O",
                "(NH4)2SO4+NaOH=Na2SO4+NH3+H2O",
                "2    0    0    -1    0    \r\n8    1    0    -3    -2    \r\n"
                "1    0    -1    0    0    \r\n4    1    -4    0    -1    \r\n"
                "0    1    -2    0    0    \r\n",
                "(NH4)2SO4+2NaOH=Na2SO4+2NH3+2H2O",
                true,
                nullptr},
        JsonRow{{"no_equals"},
                "H2O",
                "H2O",
                "-2    \r\n-1    \r\n",
                kFailure,
                false,
                "no_coefficients"},
        JsonRow{{"no_symbol_no_matrix"},
                "12 + 3 = 4",
                "12+3=4",
                "",
                kFailure,
                false,
                "no_element_symbol"},
        JsonRow{{"ten_compounds_matrix_kept"},
                "H+H+H+H+H=H+H+H+H+H",
                "H+H+H+H+H=H+H+H+H+H",
                "1    1    1    1    1    -1    -1    -1    -1    -1    \r\n",
                kFailure,
                false,
                "too_many_compounds"},
        // 405 x 9 x 9 = 32724 hydrogen: the candidate 21 leaves 16 bits.
        JsonRow{{"row_sum_overflow"},
                kOverflowing,
                kOverflowing,
                "32724    -1    \r\n",
                kFailure,
                false,
                "overflow"},
        JsonRow{{"quotes_and_controls"},
                "\"H\\\"\t",
                "\"H\\\"\t",
                "-1    \r\n0    \r\n",
                kFailure,
                false,
                "no_coefficients"}),
    RowName());

TEST(MatrixOptionTest, MatrixTextFollowsTheResultByteForByte) {
  const CliOutcome outcome = RunCli({"--matrix", "H2 + O2 = H2O", "12=3"});
  EXPECT_EQ(outcome.out, "2H2+O2=2H2O\n" + kWaterMatrix + kFailure + "\n");
  EXPECT_EQ(outcome.status, 1);
}

struct StatusRow : Row {
  std::vector<std::string> args;
  std::string input;
  int status;
  std::string out;  // "*": anything
};

class StatusTest : public testing::TestWithParam<StatusRow> {};

TEST_P(StatusTest, ExitStatusAndOutput) {
  const StatusRow& row = GetParam();
  const CliOutcome outcome = RunCli(row.args, row.input);
  EXPECT_EQ(outcome.status, row.status) << outcome.err;
  if (row.out != "*") {
    EXPECT_EQ(outcome.out, row.out);
  }
}

const std::string kVersionLine = std::string("quorvel-cli ") + QUORVEL_VERSION_TEXT + "\n";

INSTANTIATE_TEST_SUITE_P(
    Table, StatusTest,
    testing::Values(
        StatusRow{
            "all_balanced", {"H2+O2=H2O", "Fe+O2=Fe2O3"}, "", 0, "2H2+O2=2H2O\n4Fe+3O2=2Fe2O3\n"},
        StatusRow{{"one_failed"}, {"H2O", "H2+O2=H2O"}, "", 1, kFailure + "\n2H2+O2=2H2O\n"},
        StatusRow{{"empty_argument"}, {""}, "", 1, kFailure + "\n"},
        StatusRow{{"arguments_win_over_stdin"}, {"H2+O2=H2O"}, "H2O\n", 0, "2H2+O2=2H2O\n"},
        StatusRow{
            "stdin_crlf", {}, "H2+O2=H2O\r\nFe+O2=Fe2O3\r\n", 0, "2H2+O2=2H2O\n4Fe+3O2=2Fe2O3\n"},
        StatusRow{{"stdin_last_line_unterminated"},
                  {},
                  "H2+O2=H2O\nFe+O2=Fe2O3",
                  0,
                  "2H2+O2=2H2O\n4Fe+3O2=2Fe2O3\n"},
        StatusRow{
            "stdin_empty_line_fails", {}, "H2+O2=H2O\n\n", 1, "2H2+O2=2H2O\n" + kFailure + "\n"},
        StatusRow{{"stdin_nothing"}, {}, "", 0, ""},
        StatusRow{{"double_dash_ends_options"}, {"--", "--json"}, "", 1, kFailure + "\n"},
        StatusRow{{"help"}, {"--help"}, "", 0, "*"},
        StatusRow{{"help_after_equation"}, {"H2O", "--help"}, "", 0, "*"},
        StatusRow{{"version"}, {"--version"}, "", 0, kVersionLine},
        StatusRow{{"unknown_option"}, {"--bogus", "H2+O2=H2O"}, "", 2, ""},
        StatusRow{{"option_with_value"}, {"--json=1"}, "", 2, ""}),
    RowName());

TEST(UsageTest, HelpNamesEveryOptionAndErrorsGoToStandardError) {
  const CliOutcome help = RunCli({"--help"});
  for (const char* option : {"--matrix", "--json", "--help", "--version", "--web"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  const CliOutcome unknown = RunCli({"--bogus"});
  EXPECT_NE(unknown.err.find("--bogus"), std::string::npos) << unknown.err;
}

// The build's program names the page the build made, and only one that is there.
TEST(WebPageTest, NamesTheBuiltPageOrSaysThereIsNone) {
  const CliOutcome web = RunCli({"--web"});
  std::error_code error;
  if (std::filesystem::is_regular_file(QUORVEL_BUILT_PAGE, error)) {
    EXPECT_EQ(web.out, std::string(QUORVEL_BUILT_PAGE) + "\n");
    EXPECT_EQ(web.status, 0);
  } else {
    EXPECT_EQ(web.out, "");
    EXPECT_NE(web.err.find("make web"), std::string::npos) << web.err;
    EXPECT_EQ(web.status, 1);
  }
}

struct BadInputRow : Row {
  std::vector<std::string> args;
  std::string input;
  std::string out;
  std::string names;  // how standard error names the bad equation
};

// The object for a line that is not UTF-8, whose input reads `shown`.
std::string NotUtf8Json(const std::string& shown) {
  return "{\"equation\":\"\",\"error\":\"not valid "
         "UTF-8\",\"failure\":\"invalid_utf8\",\"input\":\"" +
         shown + "\",\"matrix\":\"\",\"ok\":false,\"result\":\"\"}\n";
}

class InvalidUtf8Test : public testing::TestWithParam<BadInputRow> {};

TEST_P(InvalidUtf8Test, ReportedOnStandardErrorOthersStillAnswered) {
  const BadInputRow& row = GetParam();
  const CliOutcome outcome = RunCli(row.args, row.input);
  EXPECT_EQ(outcome.out, row.out);
  EXPECT_NE(outcome.err.find(row.names), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("UTF-8"), std::string::npos) << outcome.err;
  EXPECT_EQ(outcome.status, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InvalidUtf8Test,
    testing::Values(
        BadInputRow{{"stdin_line"},
                    {},
                    "H2+O2=H2O\r\nH\xFF\xFE\r\nFe+O2=Fe2O3\r\n",
                    "2H2+O2=2H2O\n4Fe+3O2=2Fe2O3\n",
                    "line 2"},
        // In JSON the line keeps its place: an object naming the problem, the
        // bytes that are not UTF-8 shown as U+FFFD.
        BadInputRow{{"stdin_json"},
                    {"--json"},
                    "\xC0\xAF\nH2O\n",
                    NotUtf8Json("\xEF\xBF\xBD\xEF\xBF\xBD") +
                        "{\"equation\":\"H2O\",\"failure\":\"no_coefficients\",\"input\":\"H2O\","
                        "\"matrix\":\"-2    \\r\\n-1    \\r\\n\",\"ok\":false,\"result\":\"" +
                        kFailure + "\"}\n",
                    "line 1"},
        BadInputRow{{"argument"}, {"H2+O2=H2O", "\xE6\xB0"}, "", "2H2+O2=2H2O\n", "argument 2"},
        BadInputRow{{"argument_json"},
                    {"--json", "\xE6\xB0", "Fe+O2=Fe2O3"},
                    "",
                    NotUtf8Json("\xEF\xBF\xBD") +
                        "{\"equation\":\"Fe+O2=Fe2O3\",\"failure\":null,\"input\":\"Fe+O2=Fe2O3\","
                        "\"matrix\":\"1    0    -2    \\r\\n0    2    -3    \\r\\n\",\"ok\":true,"
                        "\"result\":\"4Fe+3O2=2Fe2O3\"}\n",
                    "argument 1"}),
    RowName());

TEST(StreamingTest, EachLineIsAnsweredBeforeTheNextArrives) {
  CliPipe cli({});
  cli.Write("H2 + O2 = H2O\n");
  EXPECT_EQ(cli.ReadLine(10000), "2H2+O2=2H2O");
  cli.Write("Fe+O2=Fe2O3\r\n");
  EXPECT_EQ(cli.ReadLine(10000), "4Fe+3O2=2Fe2O3");
  EXPECT_EQ(cli.Finish(), 0);
}

}  // namespace
}  // namespace quorvel_test
