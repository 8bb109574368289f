// What the page is handed: the answer's JSON with its Chinese texts, as the
// browser test cannot see them one by one.

#include "page_answer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quorvel::web {
namespace {

struct AnswerRow {
  const char* name;
  std::string equation;
  std::string given;
  bool ok;
  std::string result_start;        // the result starts so
  std::vector<std::string> lines;  // among the details lines
  std::string given_error_part;    // in given_error; empty when there is none
};

void PrintTo(const AnswerRow& row, std::ostream* out) { *out << row.name; }

class PageAnswerTest : public testing::TestWithParam<AnswerRow> {};

bool HasLine(const nlohmann::json& lines, const std::string& line) {
  for (const auto& shown : lines) {
    if (shown.get<std::string>().find(line) != std::string::npos) return true;
  }
  return false;
}

TEST_P(PageAnswerTest, TellsWhatThePageShows) {
  const AnswerRow& row = GetParam();
  const nlohmann::json page = nlohmann::json::parse(PageAnswer(row.equation, row.given));
  EXPECT_EQ(page["ok"], row.ok);
  EXPECT_EQ(page["answer"]["ok"], row.ok);
  EXPECT_EQ(page["answer"]["input"], row.equation);
  const std::string result = page["result"];
  EXPECT_EQ(result.rfind(row.result_start, 0), 0u) << result;
  for (const std::string& line : row.lines)
    EXPECT_TRUE(HasLine(page["details_lines"], line)) << line;
  if (row.ok) {
    EXPECT_TRUE(page["reason"].is_null());
    EXPECT_FALSE(page["answer"]["details"].is_null());
  } else {
    // The failure text carries the Chinese reason, and nothing else is shown.
    EXPECT_EQ(result, "方程式配平失败！" + page["reason"].get<std::string>());
    EXPECT_TRUE(page["details_lines"].empty());
  }
  if (row.given_error_part.empty()) {
    EXPECT_TRUE(page["given_error"].is_null()) << page["given_error"];
  } else {
    EXPECT_NE(page["given_error"].get<std::string>().find(row.given_error_part), std::string::npos)
        << page["given_error"];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Page, PageAnswerTest,
    testing::Values(AnswerRow{"amounts_from_the_given_box",
                              "KMnO4 =△= K2MnO4 + MnO2 + O2↑",
                              "KMnO4 31.6g",
                              true,
                              "2KMnO4 =△= K2MnO4 + MnO2 + O2↑",
                              {"KMnO4：0.2 mol，31.6 g", "O2：0.1 mol，3.2 g", "转移电子：4e⁻"},
                              ""},
                    AnswerRow{"a_given_species_not_there_keeps_the_details",
                              "H2 + O2 = H2O",
                              "NaCl 5g",
                              true,
                              "2H2 + O2 = 2H2O",
                              {"质量比：4 : 32 : 36"},
                              "NaCl"},
                    AnswerRow{"an_unreadable_given_box_keeps_the_details",
                              "H2 + O2 = H2O",
                              "H2 lots",
                              true,
                              "2H2 + O2 = 2H2O",
                              {"质量比：4 : 32 : 36"},
                              "H2：应写作"},
                    AnswerRow{"unbalanceable_in_chinese",
                              "H2 + O2 = H2O + N2",
                              "",
                              false,
                              "方程式配平失败！",
                              {},
                              ""},
                    AnswerRow{"a_given_box_is_not_read_for_a_failure",
                              "H2 + O2",
                              "nonsense",
                              false,
                              "方程式配平失败！",
                              {},
                              ""}),
    [](const testing::TestParamInfo<AnswerRow>& row) { return std::string(row.param.name); });

// The drawing comes with a redox answer only, as an SVG whose words say it.
TEST(PageAnswerTest, DrawsTheBridgesOfARedoxAnswerOnly) {
  const struct {
    const char* equation;
    const char* part;  // in the SVG; nullptr for no drawing
  } rows[] = {{"KMnO4 =△= K2MnO4 + MnO2 + O2↑", "失去 2×2e⁻"},
              {"Cl2 + NaOH = NaCl + NaClO + H2O", "得到 1×e⁻"},
              {"NaOH + HCl = NaCl + H2O", nullptr},
              {"H2 + O2 = Fe", nullptr}};
  for (const auto& row : rows) {
    const std::string svg = nlohmann::json::parse(PageAnswer(row.equation, ""))["svg"];
    if (row.part == nullptr) {
      EXPECT_TRUE(svg.empty()) << row.equation;
    } else {
      EXPECT_TRUE(svg.starts_with("<svg") || svg.starts_with("<?xml")) << svg.substr(0, 60);
      EXPECT_NE(svg.find(row.part), std::string::npos) << row.equation;
    }
  }
}

TEST(PageTextsTest, EveryTextIsThereAndChinese) {
  const nlohmann::json texts = nlohmann::json::parse(PageTexts());
  EXPECT_EQ(texts["balance"], "配平");
  EXPECT_EQ(texts["given"], "已知：");
  for (const auto& [key, text] : texts.items()) {
    EXPECT_FALSE(text.get<std::string>().empty()) << key;
  }
}

TEST(PageTextsTest, TextsThePageCompletesKeepTheirPlaceholder) {
  // page.js puts the reason a worker stopped in place of {1}.
  const nlohmann::json texts = nlohmann::json::parse(PageTexts());
  EXPECT_EQ(texts["not_started"], "配平程序未能启动：{1}");
}

}  // namespace
}  // namespace quorvel::web
