// quorvel-cli --details and --given against the real binary: the text block
// in the user's language, the JSON key, and --given refused with status 2.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

const std::vector<std::string> kChinese = {"LANG=zh_CN.UTF-8"};

// The window's pane and the web page show the same lines, in this order.
TEST(CliDetailsTest, ChineseBlockFollowsTheBalancedLineInTheTextbooksOrder) {
  const CliOutcome outcome =
      RunCli({"--chemistry", "--details", "KMnO4 =△= K2MnO4 + MnO2 + O2↑"}, "", kChinese);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_TRUE(
      outcome.out.starts_with("2KMnO4 =△= K2MnO4 + MnO2 + O2↑\n相对分子质量：KMnO4 高锰酸钾 158，"))
      << outcome.out;
  std::size_t at = 0;
  for (const char* line :
       {"质量比：316 : 197 : 87 : 32\n", "反应类型：分解反应\n", "化合价变化：\n",
        "Mn：+7 → +6（KMnO4 → K2MnO4），得到 1×e⁻，化合价降低，被还原\n",
        "O：-2 → 0（KMnO4 → O2），失去 2×2e⁻，化合价升高，被氧化\n", "氧化剂：KMnO4\n",
        "还原剂：KMnO4\n", "氧化产物：O2\n", "还原产物：K2MnO4、MnO2\n", "转移电子：4e⁻\n"}) {
    at = outcome.out.find(line, at);
    ASSERT_NE(at, std::string::npos) << line << outcome.out;
  }
  const CliOutcome plain =
      RunCli({"--chemistry", "--details", "NaOH + HCl = NaCl + H2O"}, "", kChinese);
  EXPECT_NE(plain.out.find("\n不是氧化还原反应："), std::string::npos) << plain.out;
}

// An ionic equation says why it has no basic type, in the user's language.
TEST(CliDetailsTest, IonicEquationIsNotGivenABasicType) {
  struct Case {
    std::vector<std::string> environment;
    const char* line;
  };
  for (const Case& c :
       {Case{kChinese, "反应类型：离子方程式（含电极反应）不按四种基本反应类型分类\n"},
        Case{{"LANG=C"},
             "reaction type: an ionic equation or electrode reaction: "
             "the four basic types do not apply\n"}}) {
    const CliOutcome outcome =
        RunCli({"--chemistry", "--details", "SO42- + Ba2+ = BaSO4↓"}, "", c.environment);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find(c.line), std::string::npos) << outcome.out;
  }
}

TEST(CliDetailsTest, JsonCarriesTheDetailsAndTheAmounts) {
  const CliOutcome outcome =
      RunCli({"--chemistry", "--json", "--given", "H2=4g", "--given=O2=40g", "H2 + O2 = H2O"});
  EXPECT_EQ(outcome.status, 0);
  const nlohmann::json answer = nlohmann::json::parse(outcome.out);
  const nlohmann::json& details = answer.at("details");
  EXPECT_EQ(details.at("mass_ratio"), nlohmann::json({"4", "32", "36"}));
  EXPECT_EQ(details.at("reaction_type"), "combination");
  EXPECT_EQ(details.at("redox").at("electrons"), "4");
  EXPECT_EQ(details.at("amounts").at(2).at("mass"), "36");
  EXPECT_EQ(details.at("limiting"), "H2");
  EXPECT_EQ(details.at("left_over").at(0).at("mass"), "8");
}

struct RefusedRow : Row {
  std::vector<std::string> args;  // the whole command line
  const char* message;            // in Chinese, on standard error
};

class CliGivenRefusedTest : public testing::TestWithParam<RefusedRow> {};

TEST_P(CliGivenRefusedTest, IsAUsageError) {
  const RefusedRow& row = GetParam();
  const CliOutcome outcome = RunCli(row.args, "", kChinese);
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.err.find(row.message), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Given, CliGivenRefusedTest,
    testing::Values(
        RefusedRow{{"unknown_species"},
                   {"--chemistry", "--given", "N2=1g", "H2 + O2 = H2O"},
                   "方程式中没有 N2"},
        RefusedRow{
            {"zero"}, {"--chemistry", "--given", "H2=0g", "H2 + O2 = H2O"}, "数量必须大于 0"},
        RefusedRow{{"unknown_unit"},
                   {"--chemistry", "--given", "H2=1lb", "H2 + O2 = H2O"},
                   "单位应为 g、kg、mg 或 mol"},
        RefusedRow{
            {"malformed"}, {"--chemistry", "--given", "H2", "H2 + O2 = H2O"}, "应写作 物质=数量"},
        RefusedRow{
            {"missing_argument"}, {"--chemistry", "H2 + O2 = H2O", "--given"}, "--given needs"},
        RefusedRow{{"without_chemistry_mode"}, {"--details", "H2 + O2 = H2O"}, "need --chemistry"}),
    RowName());

}  // namespace
}  // namespace quorvel_test
