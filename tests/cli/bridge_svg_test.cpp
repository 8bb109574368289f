// quorvel-cli --chemistry --bridge-svg FILE EQUATION against the real binary:
// the drawing written beside the usual answer, and each refusal a usage error
// in the user's language that leaves no file behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"
#include "scratch_folder.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

const std::vector<std::string> kChinese = {"LANG=zh_CN.UTF-8"};

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CliBridgeSvgTest, WritesTheDrawingBesideTheAnswer) {
  const ScratchFolder folder("bridge-svg");
  const std::string file = folder.File("kmno4.svg");
  const CliOutcome outcome =
      RunCli({"--chemistry", "--bridge-svg", file, "KMnO4 =△= K2MnO4 + MnO2 + O2↑"}, "", kChinese);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "2KMnO4 =△= K2MnO4 + MnO2 + O2↑\n");
  const std::string svg = Slurp(file);
  EXPECT_NE(svg.find("<title id=\"title\">2KMnO4 =△= K2MnO4 + MnO2 + O2↑ 的双线桥</title>"),
            std::string::npos);
  EXPECT_NE(svg.find(">得到 1×3e⁻，化合价降低，被还原</text>"), std::string::npos);
}

struct RefusedRow : Row {
  std::vector<std::string> args;  // the file is the folder's "out.svg" where "FILE" stands
  int status;
  const char* message;  // on standard error
};

class CliBridgeSvgRefusedTest : public testing::TestWithParam<RefusedRow> {};

TEST_P(CliBridgeSvgRefusedTest, SaysWhyAndWritesNothing) {
  const RefusedRow& row = GetParam();
  const ScratchFolder folder("bridge-svg");
  const std::filesystem::path file = folder.File("out.svg");
  std::vector<std::string> args = row.args;
  for (std::string& arg : args) {
    if (arg == "FILE") arg = file.string();
    if (arg == "UNWRITABLE") arg = folder.File("no-such-folder/out.svg");
  }
  const CliOutcome outcome = RunCli(args, "", kChinese);
  EXPECT_EQ(outcome.status, row.status);
  EXPECT_NE(outcome.err.find(row.message), std::string::npos) << outcome.err;
  EXPECT_FALSE(std::filesystem::exists(file));
}

INSTANTIATE_TEST_SUITE_P(
    BridgeSvg, CliBridgeSvgRefusedTest,
    testing::Values(
        RefusedRow{{"not_redox"},
                   {"--chemistry", "--bridge-svg", "FILE", "NaOH + HCl = NaCl + H2O"},
                   2,
                   "不是氧化还原反应：没有元素的化合价发生变化，没有可画的双线桥"},
        RefusedRow{{"unwritable"},
                   {"--chemistry", "--bridge-svg", "UNWRITABLE", "H2 + O2 = H2O"},
                   2,
                   "无法写入"},
        // The reason is the answer's own; the drawing adds nothing to it.
        RefusedRow{{"unbalanced"},
                   {"--chemistry", "--bridge-svg", "FILE", "H2 = O2"},
                   1,
                   "H 只出现在反应物中"},
        RefusedRow{{"two_equations"},
                   {"--chemistry", "--bridge-svg", "FILE", "H2 + O2 = H2O", "C + O2 = CO2"},
                   2,
                   "只画一个方程式参数"},
        RefusedRow{{"from_standard_input"}, {"--chemistry", "--bridge-svg=FILE"}, 2, "只画一个"},
        RefusedRow{{"missing_file"},
                   {"--chemistry", "H2 + O2 = H2O", "--bridge-svg"},
                   2,
                   "--bridge-svg needs FILE"},
        RefusedRow{{"without_chemistry_mode"},
                   {"--bridge-svg", "FILE", "H2 + O2 = H2O"},
                   2,
                   "--bridge-svg needs --chemistry"}),
    RowName());

}  // namespace
}  // namespace quorvel_test
