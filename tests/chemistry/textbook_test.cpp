// Equations as Chinese textbooks print them and students type them: the
// answer a chemist gives, and the note that says how an ambiguous line was
// read. Notes are looked for among the others, which may grow.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "quorvel/chemistry.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

struct TextbookRow : Row {
  const char* equation;
  const char* result;  // empty when it is refused
  const char* note;    // one of the notes; empty when none is looked for
};

class TextbookTest : public testing::TestWithParam<TextbookRow> {};

TEST_P(TextbookTest, BalancesAsAChemistWould) {
  const TextbookRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(answer.result, row.result) << answer.error;
  if (*row.note != '\0') {
    EXPECT_NE(std::find(answer.notes.begin(), answer.notes.end(), row.note), answer.notes.end())
        << (answer.notes.empty() ? "no notes" : answer.notes.front());
  }
}

INSTANTIATE_TEST_SUITE_P(
    ChargesWithoutSuperscripts, TextbookTest,
    testing::Values(
        TextbookRow{{"dichromate_and_iron"},
                    "Cr2O72- + Fe2+ + H+ = Cr3+ + Fe3+ + H2O",
                    "Cr2O72- + 6Fe2+ + 14H+ = 2Cr3+ + 6Fe3+ + 7H2O",
                    "Cr2O72- is read as Cr2O7 with charge 2-; for Cr2O72 with charge 1-, write "
                    "Cr2O72^-"},
        TextbookRow{{"permanganate_and_sulfite"},
                    "MnO4- + SO32- + H+ = Mn2+ + SO42- + H2O",
                    "2MnO4- + 5SO32- + 6H+ = 2Mn2+ + 5SO42- + 3H2O",
                    "SO32- is read as SO3 with charge 2-; for SO32 with charge 1-, write SO32^-"},
        TextbookRow{{"precipitate"}, "Ba2+ + SO42- = BaSO4↓", "Ba2+ + SO42- = BaSO4↓", ""},
        TextbookRow{{"prussian_blue"},
                    "Fe3+ + Fe(CN)64- = Fe4[Fe(CN)6]3",
                    "4Fe3+ + 3Fe(CN)64- = Fe4[Fe(CN)6]3",
                    ""},
        TextbookRow{{"peroxide"},
                    "O22- + H+ = H2O2",
                    "O22- + 2H+ = H2O2",
                    "O22- is read as O2 with charge 2-; for O22 with charge 1-, write O22^-"},
        TextbookRow{{"final_zero_names_no_other_reading"},
                    "C60 + e- = C60-",
                    "C60 + e- = C60-",
                    "C60- is read as C60 with charge 1-"},
        TextbookRow{{"large_last_digit_names_the_charge_reading"},
                    "C8H18 = C8H18+ + e-",
                    "C8H18 = C8H18+ + e-",
                    "C8H18+ is read as C8H18 with charge 1+; for C8H1 with charge 8+, write "
                    "C8H1^8+"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    TypedAnswers, TextbookTest,
    testing::Values(
        TextbookRow{{"typed_coefficients_of_several_reactions_are_kept"},
                    "2KMnO4 + 5H2O2 + 3H2SO4 = K2SO4 + 2MnSO4 + 5O2↑ + 8H2O",
                    "2KMnO4 + 5H2O2 + 3H2SO4 = K2SO4 + 2MnSO4 + 5O2↑ + 8H2O",
                    "the coefficients as written balance it and are kept; other combinations "
                    "balance too, as it combines 2 independent reactions"},
        TextbookRow{{"typed_with_a_common_factor_in_lowest_terms"},
                    "4KMnO4 + 10H2O2 + 6H2SO4 = 2K2SO4 + 4MnSO4 + 10O2 + 16H2O",
                    "2KMnO4 + 5H2O2 + 3H2SO4 = K2SO4 + 2MnSO4 + 5O2 + 8H2O",
                    ""},
        TextbookRow{{"typed_that_do_not_balance_are_refused"},
                    "2KMnO4 + 3H2O2 + 3H2SO4 = K2SO4 + 2MnSO4 + 5O2 + 8H2O",
                    "",
                    ""},
        TextbookRow{{"fraction_with_a_slash"}, "H2 + 1/2O2 = H2O", "2H2 + O2 = 2H2O", ""},
        TextbookRow{
            {"fraction_with_a_slash_and_space"}, "H2 + 1/2 O2 = H2O", "2H2 + O2 = 2H2O", ""},
        TextbookRow{{"slash_fraction_after_an_adduct_dot"},
                    "CaSO4·1/2H2O + H2O = CaSO4·2H2O",
                    "2 CaSO4·1/2H2O + 3H2O = 2 CaSO4·2H2O",
                    ""}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    ElectrodeReactions, TextbookTest,
    testing::Values(
        TextbookRow{
            {"subtracted_electrons_get_their_count"}, "Zn - e- = Zn2+", "Zn - 2e- = Zn2+", ""},
        TextbookRow{
            {"subtracted_after_an_ion"}, "OH- - e- = H2O + O2↑", "4OH- - 4e- = 2H2O + O2↑", ""},
        TextbookRow{{"full_width"}, "Zn－2e－＝Zn2＋", "Zn - 2e－ ＝ Zn2＋", ""},
        TextbookRow{
            {"label_before_a_colon_stays"}, "负极：Zn - 2e- = Zn2+", "负极：Zn - 2e- = Zn2+", ""},
        TextbookRow{{"ascii_colon"}, "正极: Cu2+ + e- = Cu", "正极: Cu2+ + 2e- = Cu", ""},
        TextbookRow{{"minus_before_a_formula_is_no_subtraction"}, "Zn - Cu = Zn2+", "", ""},
        TextbookRow{{"minus_first_on_a_side_is_refused"}, "Zn = - 2e- + Zn2+", "", ""}),
    RowName());

// A slip in a formula: the reason names the formula with which it balances,
// in both languages, and where the slip still balances a note warns.
struct SlipRow : Row {
  const char* equation;
  const char* result;   // empty when it is refused
  const char* english;  // the error; empty when it balances
  const char* chinese;
  const char* note;  // the warning; empty when none may be given
};

class SlipTest : public testing::TestWithParam<SlipRow> {};

bool WarnsOfASlip(const Answer& answer) {
  return std::any_of(answer.notes.begin(), answer.notes.end(),
                     [](const std::string& note) { return note.starts_with("did you mean"); });
}

TEST_P(SlipTest, NamesTheLikelyFormula) {
  const SlipRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(answer.result, row.result);
  EXPECT_EQ(answer.error, row.english);
  EXPECT_EQ(Explain(answer.reason, Language::kChinese), row.chinese);
  if (*row.note == '\0') {
    EXPECT_FALSE(WarnsOfASlip(answer)) << answer.notes.back();
  } else {
    EXPECT_NE(std::find(answer.notes.begin(), answer.notes.end(), row.note), answer.notes.end());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Typos, SlipTest,
    testing::Values(
        SlipRow{{"small_letters"},
                "C + O2 = co2",
                "",
                "unknown element symbol \"co\" at position 10: a symbol starts with a capital "
                "letter; did you mean CO2?",
                "第 10 个字符处的“co”不是元素符号：元素符号以大写字母开头；应写 CO2",
                "did you mean CO2 for co2? With CO2 it balances as C + O2 = CO2"},
        SlipRow{{"second_letter_small"},
                "NaOH + HCl = Nacl + H2O",
                "",
                "unknown element symbol \"Nacl\" at position 14; did you mean NaCl?",
                "第 14 个字符处的“Nacl”不是元素符号；应写 NaCl",
                "did you mean NaCl for Nacl? With NaCl it balances as NaOH + HCl = NaCl + H2O"},
        SlipRow{{"cobalt_for_carbon_and_oxygen"},
                "CaCo3 = CaO + CO2",
                "",
                "Co appears only among the reactants; O, C appear only among the products; did "
                "you mean CaCO3?",
                "Co 只出现在反应物中；O、C 只出现在生成物中；应写 CaCO3",
                "did you mean CaCO3 for CaCo3? With CaCO3 it balances as CaCO3 = CaO + CO2"},
        SlipRow{{"cobalt_beside_oxygen"},
                "2CO + O2 = 2Co2",
                "",
                "C, O appear only among the reactants; Co appears only among the products; did "
                "you mean CO2?",
                "C、O 只出现在反应物中；Co 只出现在生成物中；应写 CO2",
                "did you mean CO2 for Co2? With CO2 it balances as 2CO + O2 = 2CO2"},
        SlipRow{{"zero_for_o_still_balances"},
                "CH4 + O2 = CO2 + H20",
                "5CH4 + 5O2 = 5CO2 + H20",
                "",
                "",
                "did you mean H2O for H20? With H2O it balances as CH4 + 2O2 = CO2 + 2H2O"},
        SlipRow{{"zero_after_a_symbol_still_balances"},
                "CH4 + O2 = C02 + H2O",
                "2CH4 + 2O2 = C02 + 4H2O",
                "",
                "",
                "did you mean CO2 for C02? With CO2 it balances as CH4 + 2O2 = CO2 + 2H2O"},
        SlipRow{{"zero_in_an_oxide"},
                "Fe + O2 = Fe203",
                "",
                "O appears only among the reactants; did you mean Fe2O3?",
                "O 只出现在反应物中；应写 Fe2O3",
                "did you mean Fe2O3 for Fe203? With Fe2O3 it balances as 4Fe + 3O2 = 2Fe2O3"},
        SlipRow{{"cobalt_is_kept"}, "Co + O2 = Co3O4", "3Co + 2O2 = Co3O4", "", "", ""},
        SlipRow{{"caesium_is_kept"}, "Cs + H2O = CsOH + H2", "2Cs + 2H2O = 2CsOH + H2", "", "", ""},
        SlipRow{{"tin_is_kept"}, "Sn + HCl = SnCl2 + H2", "Sn + 2HCl = SnCl2 + H2", "", "", ""},
        SlipRow{{"fullerene_is_kept"}, "C60 + O2 = CO2", "C60 + 60O2 = 60CO2", "", "", ""},
        SlipRow{{"decane_is_kept"},
                "C10H22 + O2 = CO2 + H2O",
                "2C10H22 + 31O2 = 20CO2 + 22H2O",
                "",
                "",
                ""}),
    RowName());

}  // namespace
}  // namespace quorvel::chemistry
