// The catalogue of reasons: every kind has a key and a line in both
// languages, and a Chinese line names what the English one names.

#include "quorvel/chemistry/reason.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "quorvel/chemistry.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

std::vector<ReasonKind> EveryKind() {
  std::vector<ReasonKind> kinds;
  for (int k = static_cast<int>(ReasonKind::kNone) + 1;
       k < static_cast<int>(ReasonKind::kLastReason); ++k) {
    kinds.push_back(static_cast<ReasonKind>(k));
  }
  return kinds;
}

// A reason of the given kind with every field set to a value that can be
// found again in the text.
Reason Sample(ReasonKind kind) {
  Reason reason;
  reason.kind = kind;
  reason.position = 7;
  reason.text = "Zz";
  reason.count = 41;
  reason.items = {"Aa", "Bb"};
  reason.other_position = 9;
  reason.other_text = "Yy";
  reason.other_items = {"Cc"};
  reason.reactant_charge_sign = 1;
  return reason;
}

bool HasCjk(const std::string& text) {
  // Every CJK ideograph is three bytes in UTF-8 starting E4..E9.
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xE4 && byte <= 0xE9) return true;
  }
  return false;
}

TEST(ReasonCatalogueTest, EveryKindHasAKeyAndBothLanguages) {
  std::set<std::string> keys;
  std::set<std::string> english_lines;
  std::set<std::string> chinese_lines;
  for (const ReasonKind kind : EveryKind()) {
    const Reason reason = Sample(kind);
    const std::string key(ReasonKey(kind));
    const std::string english = Explain(reason, Language::kEnglish);
    const std::string chinese = Explain(reason, Language::kChinese);
    SCOPED_TRACE(key + ": " + english + " / " + chinese);
    EXPECT_EQ(key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos);
    EXPECT_NE(key, "none");
    EXPECT_FALSE(english.empty());
    EXPECT_FALSE(HasCjk(english));
    EXPECT_TRUE(HasCjk(chinese));
    EXPECT_EQ(english.find('\n'), std::string::npos);
    EXPECT_EQ(chinese.find('\n'), std::string::npos);
    // Nothing left unfilled: no empty quotes, no doubled or dangling spaces.
    for (const char* gap : {"\"\"", "“”", "  ", " ：", " ，"}) {
      EXPECT_EQ(english.find(gap), std::string::npos) << gap;
      EXPECT_EQ(chinese.find(gap), std::string::npos) << gap;
    }
    // What the English names, the Chinese names too.
    for (const char* value : {"7", "Zz", "41", "Aa", "Bb", "9", "Yy", "Cc"}) {
      if (english.find(value) != std::string::npos) {
        EXPECT_NE(chinese.find(value), std::string::npos) << value;
      }
    }
    EXPECT_TRUE(keys.insert(key).second) << "key used twice";
    EXPECT_TRUE(english_lines.insert(english).second) << "English line used twice";
    EXPECT_TRUE(chinese_lines.insert(chinese).second) << "Chinese line used twice";
  }
}

// Scripts read the keys in --json; the manual page is where they look them up.
TEST(ReasonCatalogueTest, TheManualListsEveryKey) {
  std::ifstream manual(QUORVEL_CLI_MANUAL);
  ASSERT_TRUE(manual) << QUORVEL_CLI_MANUAL;
  std::set<std::string> words;
  for (std::string word; manual >> word;) {
    words.insert(word.substr(0, word.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_")));
  }
  for (const ReasonKind kind : EveryKind()) {
    EXPECT_TRUE(words.contains(std::string(ReasonKey(kind)))) << ReasonKey(kind);
  }
}

TEST(ReasonCatalogueTest, NoneSaysNothing) {
  EXPECT_EQ(Explain(Reason{}, Language::kEnglish), "");
  EXPECT_EQ(Explain(Reason{}, Language::kChinese), "");
  EXPECT_EQ(ReasonKey(ReasonKind::kNone), "none");
}

struct ChineseRow : Row {
  std::string equation;
  const char* key;
  const char* chinese;
};

class ChineseTest : public testing::TestWithParam<ChineseRow> {};

TEST_P(ChineseTest, NamesWhatIsWrong) {
  const ChineseRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(ReasonKey(answer.reason.kind), row.key);
  EXPECT_EQ(Explain(answer.reason, Language::kChinese), row.chinese);
}

INSTANTIATE_TEST_SUITE_P(
    Balancing, ChineseTest,
    testing::Values(
        ChineseRow{
            {"element_on_one_side"}, "H2 + O2 = H2O + N2", "one_sided", "N 只出现在生成物中"},
        ChineseRow{{"elements_on_each_side"},
                   "H2 = O2",
                   "one_sided",
                   "H 只出现在反应物中；O 只出现在生成物中"},
        ChineseRow{{"several_elements_and_charge"},
                   "Na+ + Cl2 = K + Br2",
                   "one_sided",
                   "Na、Cl 只出现在反应物中；K、Br 只出现在生成物中；正电荷只出现在反应物中"},
        ChineseRow{{"charge_on_one_side"}, "Fe = Fe^3+", "one_sided", "正电荷只出现在生成物中"},
        ChineseRow{{"charges_that_cannot_cancel"},
                   "Fe^3+ + Cl2 = Fe + Cl-",
                   "one_sided",
                   "反应物只带正电荷，生成物只带负电荷，电荷无法守恒"},
        ChineseRow{{"species_held_at_zero"},
                   "NaCl + H2O = NaOH + HCl + Cl2",
                   "zero_only",
                   "只有当 Cl2 的系数为 0 时才能配平"},
        ChineseRow{{"nothing_balances"},
                   "CO2 = CO",
                   "no_coefficients",
                   "找不到能配平的系数：无论系数怎样取，总有元素不守恒"},
        ChineseRow{{"nothing_balances_with_charge"},
                   "Fe^2+ = Fe^3+",
                   "no_coefficients",
                   "找不到能配平的系数：无论系数怎样取，总有元素或电荷不守恒"},
        ChineseRow{{"species_on_the_wrong_side"},
                   "CO2 = C + CO",
                   "no_positive",
                   "找不到全为正数的系数：只有把 C 放到方程式的另一边才能配平"},
        ChineseRow{{"independent_reactions"},
                   "H2 + O2 = H2O + H2O2",
                   "several",
                   "配平方式不止一种：这个方程式包含 2 个相互独立的反应"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Reading, ChineseTest,
    testing::Values(
        ChineseRow{{"no_arrow"}, "H2 + O2", "no_arrow", "反应物与生成物之间缺少“=”或箭头"},
        ChineseRow{{"no_products"}, "H2 = ", "no_products", "第 4 个字符“=”之后没有生成物"},
        ChineseRow{{"unknown_symbol"},
                   "H2O = H2 + Xx",
                   "unknown_element",
                   "第 12 个字符处的“Xx”不是元素符号"},
        ChineseRow{{"small_letter_first"},
                   "h2o = H2 + O2",
                   "unknown_element",
                   "第 1 个字符处的“h”不是元素符号：元素符号以大写字母开头；应写 H2O"},
        ChineseRow{{"condition_without_sign"},
                   "2Cu + O2 △ 2CuO",
                   "condition_without_sign",
                   "第 10 个字符的反应条件“△”前后缺少“=”或箭头：应写成 =△= 或 →(△)"},
        ChineseRow{{"space_inside_formula"},
                   "H2 O2 = H2O2",
                   "unexpected",
                   "第 4 个字符“O”不应出现在这里：这里应是“+”或箭头"},
        ChineseRow{{"plus_read_as_charge"},
                   "H2+ O2 = H2O",
                   "unexpected",
                   "第 5 个字符“O”不应出现在这里：这里应是“+”或箭头（第 3 个字符“+”被当作了 H2+ "
                   "的电荷）"},
        ChineseRow{{"control_character"},
                   std::string("H2\x01 = H", 6),
                   "unexpected",
                   "第 3 个字符 U+0001 不应出现在这里：这里应是“+”或箭头"},
        ChineseRow{{"mismatched"},
                   "K4[Fe(CN]6) = H",
                   "mismatched_bracket",
                   "第 9 个字符“]”与第 6 个字符“(”不配对"},
        ChineseRow{{"count_of_101_digits"},
                   "H" + std::string(101, '9') + " = H",
                   "long_count",
                   "第 2 个字符处的下标超过 100 位数字"},
        ChineseRow{{"invalid_utf8"},
                   "H2 = \xff",
                   "invalid_utf8",
                   "文字不是有效的 UTF-8 编码（第 6 个字节有误）"},
        ChineseRow{{"past_the_length_limit"},
                   "H2 = H2" + std::string(kMaxEquationBytes, ' '),
                   "too_long",
                   "方程式超过 524288 字节的长度上限"}),
    RowName());

// The notes of an answer in both languages, from the same data; the English
// line is the one Answer::notes keeps.
struct NoteRow : Row {
  const char* equation;
  const char* english;  // the first note
  const char* chinese;
};

class NoteTextTest : public testing::TestWithParam<NoteRow> {};

TEST_P(NoteTextTest, SpeaksBothLanguages) {
  const NoteRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  ASSERT_FALSE(answer.note_reasons.empty());
  ASSERT_EQ(answer.notes.size(), answer.note_reasons.size());
  EXPECT_EQ(answer.notes.front(), row.english);
  EXPECT_EQ(Explain(answer.note_reasons.front(), Language::kEnglish), row.english);
  EXPECT_EQ(Explain(answer.note_reasons.front(), Language::kChinese), row.chinese);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, NoteTextTest,
    testing::Values(
        NoteRow{{"two_digit_charge"},
                "SO42- + Ba2+ = BaSO4",
                "SO42- is read as SO4 with charge 2-; for SO42 with charge 1-, write SO42^-",
                "SO42- 读作 SO4，电荷为 2-；若指电荷为 1- 的 SO42，请写 SO42^-"},
        NoteRow{{"last_digit_zero_keeps_the_count"},
                "C60- + e- = C60^2-",
                "C60- is read as C60 with charge 1-",
                "C60- 读作 C60，电荷为 1-"},
        NoteRow{{"names"},
                "氢气 + 氧气 = 水",
                "names read as formulas: 氢气 H2, 氧气 O2, 水 H2O",
                "名称已读作化学式：氢气 H2, 氧气 O2, 水 H2O"},
        NoteRow{{"likely_formula"},
                "CH4 + O2 = CO2 + H20",
                "did you mean H2O for H20? With H2O it balances as CH4 + 2O2 = CO2 + 2H2O",
                "H20 是否应为 H2O？写作 H2O 时配平为 CH4 + 2O2 = CO2 + 2H2O"},
        NoteRow{{"typed_coefficients_kept"},
                "2KMnO4 + 5H2O2 + 3H2SO4 = K2SO4 + 2MnSO4 + 5O2 + 8H2O",
                "the coefficients as written balance it and are kept; other combinations balance "
                "too, as it combines 2 independent reactions",
                "所写系数已使方程式配平，予以保留；此方程式含 2 个独立反应，其他系数组合也能配平"}),
    RowName());

}  // namespace
}  // namespace quorvel::chemistry
