// Thermochemical equations, bonds inside formulas, and the notes of an
// answer in both languages: what a student sees for each line typed.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "quorvel/chemistry.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

// An accepted line has a result and an enthalpy; a refused one a key and a
// line in each language.
struct AnswerRow : Row {
  const char* equation;
  const char* result;    // empty when refused
  const char* enthalpy;  // the ΔH term kept; empty when none
  const char* key;       // the reason's key; "none" when balanced
  const char* english;   // the error; empty when balanced
  const char* chinese;
};

class NewNotationTest : public testing::TestWithParam<AnswerRow> {};

TEST_P(NewNotationTest, AnswersOrRefusesInBothLanguages) {
  const AnswerRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(answer.result, row.result);
  EXPECT_EQ(answer.enthalpy, row.enthalpy);
  EXPECT_EQ(ReasonKey(answer.reason.kind), row.key);
  EXPECT_EQ(answer.error, row.english);
  EXPECT_EQ(Explain(answer.reason, Language::kChinese), row.chinese);
  // What is answered reads back as the same answer: the ΔH goes with it.
  if (answer.ok()) {
    EXPECT_EQ(Balance(answer.result).result, answer.result);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Enthalpy, NewNotationTest,
    testing::Values(
        AnswerRow{{"typed_coefficients_kept"},
                  "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol",
                  "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol",
                  "ΔH = -571.6 kJ/mol",
                  "none",
                  "",
                  ""},
        AnswerRow{{"fraction_kept_with_states_and_triangle"},
                  "H2(g)+1/2O2(g)=H2O(l) △H=-285.8kJ/mol",
                  "H2(g) + 1/2O2(g) = H2O(l) △H = -285.8 kJ/mol",
                  "△H = -285.8 kJ/mol",
                  "none",
                  "",
                  ""},
        AnswerRow{{"spaced_fraction_and_superscript_unit"},
                  "N2 + 3H2 ⇌ 2NH3   ΔH = -92.4 kJ·mol⁻¹",
                  "N2 + 3H2 ⇌ 2NH3 ΔH = -92.4 kJ·mol⁻¹",
                  "ΔH = -92.4 kJ·mol⁻¹",
                  "none",
                  "",
                  ""},
        AnswerRow{{"ascii_exponent_after_a_comma"},
                  "C(s) + O2(g) = CO2(g), ΔH=-393.5 kJ·mol-1",
                  "C(s) + O2(g) = CO2(g) ΔH = -393.5 kJ·mol-1",
                  "ΔH = -393.5 kJ·mol-1",
                  "none",
                  "",
                  ""},
        AnswerRow{{"full_width_signs_and_spaced_unit"},
                  "CaCO3 ＝ CaO ＋ CO2 ΔH＝＋178.5 kJ mol-1",
                  "CaCO3 ＝ CaO + CO2 ΔH = ＋178.5 kJ mol-1",
                  "ΔH = ＋178.5 kJ mol-1",
                  "none",
                  "",
                  ""},
        AnswerRow{{"no_sign_on_the_value"},
                  "CaCO3 = CaO + CO2 ΔH = 178.5 kJ/mol",
                  "CaCO3 = CaO + CO2 ΔH = 178.5 kJ/mol",
                  "ΔH = 178.5 kJ/mol",
                  "none",
                  "",
                  ""},
        AnswerRow{{"a_sign_alone_holds_for_any_coefficients"},
                  "H2 + O2 = H2O ΔH<0",
                  "2H2 + O2 = 2H2O ΔH < 0",
                  "ΔH < 0",
                  "none",
                  "",
                  ""},
        AnswerRow{{"heating_condition_stays_a_condition"},
                  "2KClO3 =△= 2KCl + 3O2↑",
                  "2KClO3 =△= 2KCl + 3O2↑",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{
            {"coefficients_missing_are_refused_with_the_balanced_form"},
            "H2 + O2 = H2O ΔH = -571.6 kJ/mol",
            "",
            "ΔH = -571.6 kJ/mol",
            "enthalpy_coefficients_unbalanced",
            "the coefficients of a thermochemical equation go with its ΔH, and the ones "
            "written do not balance it (balanced, it reads 2H2 + O2 = 2H2O): write the "
            "coefficients that ΔH = -571.6 kJ/mol belongs to",
            "热化学方程式的系数与 ΔH 对应，所写系数不配平（配平后为 2H2 + O2 = 2H2O）：请写出与 "
            "ΔH = -571.6 kJ/mol 对应的系数"},
        AnswerRow{
            {"wrong_fraction_is_refused"},
            "H2 + 1/3O2 = H2O ΔH = -285.8 kJ/mol",
            "",
            "ΔH = -285.8 kJ/mol",
            "enthalpy_coefficients_unbalanced",
            "the coefficients of a thermochemical equation go with its ΔH, and the ones "
            "written do not balance it (balanced, it reads 2H2 + O2 = 2H2O): write the "
            "coefficients that ΔH = -285.8 kJ/mol belongs to",
            "热化学方程式的系数与 ΔH 对应，所写系数不配平（配平后为 2H2 + O2 = 2H2O）：请写出与 "
            "ΔH = -285.8 kJ/mol 对应的系数"},
        AnswerRow{{"zero_denominator_is_refused_as_a_zero_coefficient"},
                  "H2(g)+1/0O2(g)=H2O(l) △H=-280.8kJ/mol",
                  "",
                  "",
                  "zero_coefficient",
                  "a coefficient of 0 at position 7",
                  "第 7 个字符处的系数是 0：系数必须是正整数"},
        AnswerRow{{"no_single_answer_says_why"},
                  "H2 + O2 = H2O + N2 ΔH = -1 kJ/mol",
                  "",
                  "ΔH = -1 kJ/mol",
                  "one_sided",
                  "N appears only among the products",
                  "N 只出现在生成物中"},
        AnswerRow{{"term_alone"},
                  "ΔH = -571.6 kJ/mol",
                  "",
                  "",
                  "enthalpy_without_equation",
                  "the ΔH term \"ΔH = -571.6 kJ/mol\" at position 1 stands before the equation is "
                  "complete: write it after the products, as in 2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol",
                  "第 1 个字符的 ΔH 项“ΔH = -571.6 kJ/mol”之前方程式还不完整：应写在生成物之后，如 "
                  "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol"},
        AnswerRow{{"term_before_the_products"},
                  "2H2 + O2 = ΔH=-571.6kJ/mol",
                  "",
                  "",
                  "enthalpy_without_equation",
                  "the ΔH term \"ΔH=-571.6kJ/mol\" at position 12 stands before the equation is "
                  "complete: write it after the products, as in 2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol",
                  "第 12 个字符的 ΔH 项“ΔH=-571.6kJ/mol”之前方程式还不完整：应写在生成物之后，如 "
                  "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol"},
        AnswerRow{{"no_unit"},
                  "2H2 + O2 = 2H2O ΔH = -571.6",
                  "",
                  "",
                  "enthalpy_unread",
                  "the ΔH term \"ΔH = -571.6\" at position 17 is not read: write it after the "
                  "equation as ΔH = -571.6 kJ/mol, or ΔH < 0",
                  "第 17 个字符的 ΔH 项“ΔH = -571.6”无法识别：应写在方程式之后，如 ΔH = -571.6 "
                  "kJ/mol 或 ΔH < 0"},
        AnswerRow{{"line_break_inside_is_not_quoted"},
                  "N2, ΔH = -92.4 k\n·mol⁻¹",
                  "",
                  "",
                  "enthalpy_without_equation",
                  "the ΔH term \"ΔH = -92.4 k\" at position 5 stands before the equation is "
                  "complete: write it after the products, as in 2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol",
                  "第 5 个字符的 ΔH 项“ΔH = -92.4 k”之前方程式还不完整：应写在生成物之后，如 "
                  "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol"},
        AnswerRow{
            {"line_break_after_the_unit"},
            "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol\n",
            "",
            "",
            "enthalpy_unread",
            "the ΔH term \"ΔH = -571.6 kJ/mol\" at position 17 is not read: write it after the "
            "equation as ΔH = -571.6 kJ/mol, or ΔH < 0",
            "第 17 个字符的 ΔH 项“ΔH = -571.6 kJ/mol”无法识别：应写在方程式之后，如 ΔH = "
            "-571.6 kJ/mol 或 ΔH < 0"},
        AnswerRow{
            {"text_after_the_unit"},
            "2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol at 25 °C",
            "",
            "",
            "enthalpy_unread",
            "the ΔH term \"ΔH = -571.6 kJ/mol at 25 °C\" at position 17 is not read: write it "
            "after the equation as ΔH = -571.6 kJ/mol, or ΔH < 0",
            "第 17 个字符的 ΔH 项“ΔH = -571.6 kJ/mol at 25 °C”无法识别：应写在方程式之后，如 "
            "ΔH = -571.6 kJ/mol 或 ΔH < 0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Bonds, NewNotationTest,
    testing::Values(
        AnswerRow{{"double_bond_with_an_arrow"},
                  "CH2=CH2 + Br2 → CH2BrCH2Br",
                  "CH2=CH2 + Br2 → CH2BrCH2Br",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"triple_and_double_bond_with_a_condition"},
                  "CH≡CH + HCl =催化剂= CH2=CHCl",
                  "CH≡CH + HCl =催化剂= CH2=CHCl",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"bonds_are_counted_as_nothing"},
                  "CH2=CH2 + O2 -点燃-> CO2 + H2O",
                  "CH2=CH2 + 3O2 -点燃-> 2CO2 + 2H2O",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"bond_right_after_an_arrow_is_no_condition"},
                  "CH≡CH+HCl→CH2=CHCl",
                  "CH≡CH + HCl → CH2=CHCl",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"bond_before_a_group"},
                  "CH2=C(CH3)2 + H2 → CH3CH(CH3)2",
                  "CH2=C(CH3)2 + H2 → CH3CH(CH3)2",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"triple_bond_beside_a_lone_equals"},
                  "CH≡CH + H2 = C2H6",
                  "CH≡CH + 2H2 = C2H6",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"formula_condition_touching_a_formula"},
                  "C2H4+H2=Ni,△=C2H6",
                  "C2H4 + H2 =Ni,△= C2H6",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"lone_equals_without_bonds_is_the_sign"},
                  "C2H4 + Br2 = CH2BrCH2Br",
                  "C2H4 + Br2 = CH2BrCH2Br",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"lone_equals_touching_formulas_stays_the_sign"},
                  "Zn+CuSO4=ZnSO4+Cu",
                  "Zn + CuSO4 = ZnSO4 + Cu",
                  "",
                  "none",
                  "",
                  ""},
        AnswerRow{{"bond_or_sign_is_refused"},
                  "CH2=CH2 + Br2 = CH2BrCH2Br",
                  "",
                  "",
                  "bond_or_sign",
                  "the \"=\" at position 4 stands inside CH2=CH2, and \"=\" also joins the sides: "
                  "for a double bond, join the sides with an arrow (→); otherwise write spaces "
                  "around the sign",
                  "第 4 个字符的“=”在 CH2=CH2 之中，而两边之间也用“=”连接：若是双键，两边之间请改用"
                  "箭头（→）；否则请在等号两边加空格"},
        AnswerRow{{"two_lone_signs_stay_two_signs"},
                  "H2 + O2 = H2O = H2O2",
                  "",
                  "",
                  "second_arrow",
                  "a second arrow \"=\" at position 15: an equation has one",
                  "第 15 个字符处又出现一个箭头“=”：一个方程式只能有一个箭头"}),
    RowName());

// Every note an answer gives reads in the user's language.
struct NoteRow : Row {
  const char* equation;
  const char* english;
  const char* chinese;
};

class NoteInChineseTest : public testing::TestWithParam<NoteRow> {};

TEST_P(NoteInChineseTest, SaysTheNoteInChinese) {
  const NoteRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  const auto at = std::find(answer.notes.begin(), answer.notes.end(), row.english);
  ASSERT_NE(at, answer.notes.end()) << testing::PrintToString(answer.notes);
  const Note& note = answer.note_reasons[static_cast<std::size_t>(at - answer.notes.begin())];
  EXPECT_EQ(Explain(note, Language::kChinese), row.chinese);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, NoteInChineseTest,
    testing::Values(
        NoteRow{{"leading_count"},
                "2CaSO4·H2O = CaSO4 + H2O",
                "the 2 in 2CaSO4·H2O counts the part it leads; for 2 of CaSO4·H2O, write 2 "
                "CaSO4·H2O",
                "2CaSO4·H2O 中的 2 是它后面第一部分的个数；若指 2 个 CaSO4·H2O，请写 2 CaSO4·H2O"},
        NoteRow{{"oxidation_state_in_a_formula"},
                "Fe(III)Cl3 + NaOH = Fe(OH)3 + NaCl",
                "the oxidation state in Fe(III)Cl3 counts no atoms",
                "Fe(III)Cl3 中标出的化合价不计入原子个数"},
        NoteRow{{"oxidation_state_alone"},
                "Fe(III) + e- = Fe(II)",
                "Fe(III) is read as an oxidation state, the ion with charge 3+; to count iodine or "
                "vanadium atoms, leave out the parentheses",
                "Fe(III) 读作化合价，即电荷为 3+ 的离子；若要计碘或钒的原子，请去掉括号"},
        NoteRow{{"leaving_one_out"},
                "NaCl + H2O = NaOH + HCl + Cl2",
                "leaving it out, it balances as NaCl + H2O = NaOH + HCl",
                "去掉它后，配平为 NaCl + H2O = NaOH + HCl"},
        NoteRow{{"other_side"},
                "CO2 = C + CO",
                "with C on the other side it balances as CO2 + C = 2CO",
                "把 C 移到方程式的另一边，配平为 CO2 + C = 2CO"},
        NoteRow{{"mixture"},
                "盐酸 + 氢氧化钠 = 氯化钠 + 水",
                "盐酸 is a mixture or solution, read as its main substance HCl",
                "盐酸 是混合物或溶液，按其主要成分 HCl 计"}),
    RowName());

}  // namespace
}  // namespace quorvel::chemistry
