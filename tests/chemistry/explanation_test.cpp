// What Balance answers: the balanced equation, or one line on why there is
// none, with the notes that explain a reading; nothing about other readings.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "quorvel/chemistry.h"
#include "quorvel/chemistry/equation.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;
using Lines = std::vector<std::string>;

struct AnswerRow : Row {
  const char* equation;
  const char* result;  // empty when it does not balance
  const char* error;   // empty when it balances
  Lines notes;
  Lines reactions;
};

class AnswerTest : public testing::TestWithParam<AnswerRow> {};

TEST_P(AnswerTest, AnswersAndExplains) {
  const AnswerRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(answer.result, row.result);
  EXPECT_EQ(answer.error, row.error);
  EXPECT_EQ(answer.notes, row.notes);
  EXPECT_EQ(answer.reactions, row.reactions);
  EXPECT_EQ(answer.ok(), std::string(row.error).empty());
  EXPECT_EQ(answer.coefficients.empty(), !answer.ok());
  EXPECT_EQ(answer.reason.kind == ReasonKind::kNone, answer.ok());
  EXPECT_EQ(Explain(answer.reason, Language::kEnglish), answer.error);
}

INSTANTIATE_TEST_SUITE_P(
    NoSolution, AnswerTest,
    testing::Values(
        AnswerRow{{"element_on_one_side"},
                  "H2 + O2 = H2O + N2",
                  "",
                  "N appears only among the products",
                  {},
                  {}},
        AnswerRow{{"elements_on_each_side"},
                  "H2 = O2",
                  "",
                  "H appears only among the reactants; O appears only among the products",
                  {},
                  {}},
        AnswerRow{{"charge_on_one_side"},
                  "Fe^3+ = Fe",
                  "",
                  "positive charge appears only among the reactants",
                  {},
                  {}},
        AnswerRow{{"charges_that_cannot_cancel"},
                  "Fe^3+ + Cl2 = Fe + Cl-",
                  "",
                  "the reactants carry only positive charge and the products only negative charge",
                  {},
                  {}},
        AnswerRow{{"only_with_a_species_at_zero"},
                  "NaCl + H2O = NaOH + HCl + Cl2",
                  "",
                  "it balances only if Cl2 gets the coefficient 0",
                  {"leaving it out, it balances as NaCl + H2O = NaOH + HCl"},
                  {}},
        AnswerRow{{"only_with_every_species_at_zero"},
                  "CO2 = CO",
                  "",
                  "no coefficients balance it: every choice leaves an element unbalanced",
                  {},
                  {}},
        AnswerRow{{"only_with_a_species_moved"},
                  "CO2 = C + CO",
                  "",
                  "no positive coefficients balance it: it balances only with C on the other side",
                  {"with C on the other side it balances as CO2 + C = 2CO"},
                  {}},
        AnswerRow{{"two_independent_reactions"},
                  "H2 + O2 = H2O + H2O2",
                  "",
                  "it balances in more than one way: it combines 2 independent reactions",
                  {},
                  {"2H2 + O2 = 2H2O", "H2 + O2 = H2O2"}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Notes, AnswerTest,
    testing::Values(
        AnswerRow{{"long_counts_read_whole"},
                  "C12H22O11 + O2 = CO2 + H2O",
                  "C12H22O11 + 12O2 = 12CO2 + 11H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"every_group_counted"},
                  "Co(NH3)4(NO2)2 + O2 = Co + NO2 + H2O",
                  "Co(NH3)4(NO2)2 + 7O2 = Co + 6NO2 + 6H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"typed_coefficients_kept"}, "2H2 + O2 = 2H2O", "2H2 + O2 = 2H2O", "", {}, {}},
        AnswerRow{{"more_than_nine_formulas"},
                  "Fe + Cl2 + O2 + H2 + N2 + C + S + P + K = FeCl3 + H2O",
                  "",
                  "N, C, S, P, K appear only among the reactants",
                  {},
                  {}},
        // One digit before a sign reads one way only: no note.
        AnswerRow{{"one_digit_before_a_sign_after_a_symbol"},
                  "Fe3+ + e- = Fe2+",
                  "Fe3+ + e- = Fe2+",
                  "",
                  {},
                  {}},
        AnswerRow{{"one_digit_before_a_sign_after_a_formula"},
                  "MnO4- + Fe^2+ + H+ -> Mn^2+ + Fe^3+ + H2O",
                  "MnO4- + 5Fe^2+ + 8H+ -> Mn^2+ + 5Fe^3+ + 4H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"two_digits_before_a_sign"},
                  "SO42- + Ba2+ = BaSO4",
                  "SO42- + Ba2+ = BaSO4",
                  "",
                  {"SO42- is read as SO4 with charge 2-; for SO42 with charge 1-, write SO42^-"},
                  {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    LargeNumbers, AnswerTest,
    testing::Values(
        AnswerRow{{"count_of_ten_to_the_thirty"},
                  "H1000000000000000000000000000001 + O2 = H2O",
                  "4H1000000000000000000000000000001 + 1000000000000000000000000000001O2 = "
                  "2000000000000000000000000000002H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"ferrocyanide"},
                  "K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O",
                  "10K4Fe(CN)6 + 122KMnO4 + 299H2SO4 = 162KHSO4 + 5Fe2(SO4)3 + 122MnSO4 + "
                  "60HNO3 + 60CO2 + 188H2O",
                  "",
                  {},
                  {}}),
    RowName());

// Notation as chemists and Chinese textbooks write it: each reading that
// could be taken another way says so in a note.
INSTANTIATE_TEST_SUITE_P(
    OxidationStates, AnswerTest,
    testing::Values(
        AnswerRow{{"lone_symbol_is_the_ion"},
                  "Fe(III) + I- = Fe(II) + I2",
                  "2Fe(III) + 2I- = 2Fe(II) + I2",
                  "",
                  {"Fe(III) is read as an oxidation state, the ion with charge 3+; to count "
                   "iodine or vanadium atoms, leave out the parentheses",
                   "Fe(II) is read as an oxidation state, the ion with charge 2+; to count "
                   "iodine or vanadium atoms, leave out the parentheses"},
                  {}},
        AnswerRow{{"state_zero_is_uncharged_and_needs_no_note"},
                  "Zn(0) + Cu^2+ = Zn^2+ + Cu",
                  "Zn(0) + Cu^2+ = Zn^2+ + Cu",
                  "",
                  {},
                  {}},
        AnswerRow{{"inside_a_formula_counts_nothing"},
                  "Fe(III)Cl3 + NaOH = Fe(OH)3 + NaCl",
                  "Fe(III)Cl3 + 3NaOH = Fe(OH)3 + 3NaCl",
                  "",
                  {"the oxidation state in Fe(III)Cl3 counts no atoms"},
                  {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    TypedCharges, AnswerTest,
    testing::Values(
        AnswerRow{{"superscript_sign_after_lone_symbol"},
                  "Fe3⁺ + e- = Fe^2+",
                  "Fe3⁺ + e- = Fe^2+",
                  "",
                  {},
                  {}},
        AnswerRow{{"repeated_signs"},
                  "Fe++ + Ce^4+ = Fe+++ + Ce^3+",
                  "Fe++ + Ce^4+ = Fe+++ + Ce^3+",
                  "",
                  {},
                  {}},
        AnswerRow{{"repeated_signs_after_a_subscript"},
                  "Hg2++ + Cl- = Hg2Cl2",
                  "Hg2++ + 2Cl- = Hg2Cl2",
                  "",
                  {},
                  {}},
        AnswerRow{{"superscript_digits_and_plain_sign"},
                  "Ba^²⁺ + SO4²- + Na+ + Cl– = BaSO4 + NaCl",
                  "",
                  "it balances in more than one way: it combines 2 independent reactions",
                  {},
                  {"Ba^²⁺ + SO4²- = BaSO4", "Na+ + Cl– = NaCl"}},
        AnswerRow{{"subscripts_then_a_plain_charge"},
                  "SO₄2- + Ba^2+ = BaSO₄↓",
                  "SO₄2- + Ba^2+ = BaSO₄↓",
                  "",
                  {},
                  {}},
        AnswerRow{{"minus_as_a_number_reads_as_a_charge"},
                  "C-14 = N + e-",
                  "",
                  "C appears only among the reactants; N appears only among the products",
                  {"C-14 is read as C with charge 14-; for the isotope, write ^14C or [14C]"},
                  {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    TextbookMarks, AnswerTest,
    testing::Values(
        AnswerRow{{"catalyst_and_heat_between_signs"},
                  "KClO3 =MnO2,△= KCl + O2↑",
                  "2KClO3 =MnO2,△= 2KCl + 3O2↑",
                  "",
                  {},
                  {}},
        AnswerRow{{"chinese_condition"}, "H2 + O2 =点燃= H2O", "2H2 + O2 =点燃= 2H2O", "", {}, {}},
        AnswerRow{{"condition_between_double_signs"},
                  "CaCO3 ==高温== CaO + CO2↑",
                  "CaCO3 ==高温== CaO + CO2↑",
                  "",
                  {},
                  {}},
        AnswerRow{{"spaced_precipitate_arrow"},
                  "BaCl2 + Na2SO4 = BaSO4 ↓ + NaCl",
                  "BaCl2 + Na2SO4 = BaSO4 ↓ + 2NaCl",
                  "",
                  {},
                  {}},
        AnswerRow{{"full_width_input_kept_as_typed"},
                  "Ｃａ（ＯＨ）２＋ＨＣｌ＝ＣａＣｌ２＋Ｈ２Ｏ",
                  "Ｃａ（ＯＨ）２ + 2ＨＣｌ ＝ ＣａＣｌ２ + 2Ｈ２Ｏ",
                  "",
                  {},
                  {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Fractions, AnswerTest,
    testing::Values(
        AnswerRow{{"half_in_a_hydrate"},
                  "CaSO4·½H2O + H2O = CaSO4·2H2O",
                  "2 CaSO4·½H2O + 3H2O = 2 CaSO4·2H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"decimal_in_a_hydrate"},
                  "CaSO4·0.5H2O = CaSO4 + H2O",
                  "2 CaSO4·0.5H2O = 2CaSO4 + H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"answer_reads_back_as_itself"},
                  "2 CaSO4·½H2O + 3H2O = 2 CaSO4·2H2O",
                  "2 CaSO4·½H2O + 3H2O = 2 CaSO4·2H2O",
                  "",
                  {},
                  {}},
        AnswerRow{{"count_before_the_first_part"},
                  "2Na2CO3·3H2O2 = Na2CO3 + H2O + O2",
                  "2 2Na2CO3·3H2O2 = 4Na2CO3 + 6H2O + 3O2",
                  "",
                  {"the 2 in 2Na2CO3·3H2O2 counts the part it leads; for 2 of Na2CO3·3H2O2, "
                   "write 2 Na2CO3·3H2O2"},
                  {}},
        AnswerRow{{"coefficient_apart_from_the_count"},
                  "2 2Na2CO3·3H2O2 = Na2CO3 + H2O + O2",
                  "2 2Na2CO3·3H2O2 = 4Na2CO3 + 6H2O + 3O2",
                  "",
                  {"the 2 in 2Na2CO3·3H2O2 counts the part it leads; for 2 of Na2CO3·3H2O2, "
                   "write 2 Na2CO3·3H2O2"},
                  {}},
        AnswerRow{{"fractional_coefficients_replaced"},
                  "C4H10 + 6.5O2 = 4CO2 + 5H2O",
                  "2C4H10 + 13O2 = 8CO2 + 10H2O",
                  "",
                  {},
                  {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Isotopes, AnswerTest,
    testing::Values(AnswerRow{{"deuterium"}, "D2 + O2 = D2O", "2D2 + O2 = 2D2O", "", {}, {}},
                    AnswerRow{
                        {"labelled_carbon_is_its_own_kind"},
                        "¹⁴C + O2 = CO2",
                        "",
                        "¹⁴C appears only among the reactants; C appears only among the products",
                        {},
                        {}},
                    AnswerRow{{"caret_and_brackets_label_alike"},
                              "^14CH4 + O2 = [14C]O2 + H2O",
                              "^14CH4 + 2O2 = [14C]O2 + 2H2O",
                              "",
                              {},
                              {}},
                    AnswerRow{{"braces_and_superscripts_label_alike"},
                              "^{14}CO + O2 = ¹⁴CO2",
                              "2^{14}CO + O2 = 2¹⁴CO2",
                              "",
                              {},
                              {}}),
    RowName());

TEST(AnswerListTest, ListsTheFirstTwentyIndependentReactions) {
  std::string equation = "H2";
  for (int i = 0; i < 25; ++i) equation += " + H2";
  const Answer answer = Balance(equation + " = H2");
  EXPECT_EQ(answer.error, "it balances in more than one way: it combines 26 independent reactions");
  EXPECT_EQ(answer.reactions.size(), 20u);
  EXPECT_EQ(answer.notes.front(), "the first 20 of the 26 independent reactions are listed");
}

TEST(AnswerListTest, InvalidUtf8IsItsOwnStatus) {
  const Answer answer = Balance("H2 = \xff");
  EXPECT_EQ(answer.status, Answer::Status::kInvalidUtf8);
  EXPECT_EQ(answer.error, "not valid UTF-8 at byte 6");
  EXPECT_EQ(Balance("H2 = Xx").status, Answer::Status::kUnreadable);
}

// The reading and its matrix come with every answer to a text that was read,
// balanced or not, and with none other: a front end shows them as they are.
struct ReadingRow : Row {
  std::string equation;
  std::size_t species;  // 0: not read, so no reading and no matrix
  const char* matrix;
};

class AnswerReadingTest : public testing::TestWithParam<ReadingRow> {};

TEST_P(AnswerReadingTest, CarriesTheReadingItCameFrom) {
  const ReadingRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  ASSERT_EQ(answer.equation != nullptr, row.species != 0) << answer.error;
  if (answer.equation) {
    EXPECT_EQ(answer.equation->species.size(), row.species);
  }
  EXPECT_EQ(answer.matrix, row.matrix);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, AnswerReadingTest,
    testing::Values(
        ReadingRow{{"balanced"}, "H2 + O2 = H2O", 3, "2    0    -2    \r\n0    2    -1    \r\n"},
        ReadingRow{{"one_sided"},
                   "H2 + O2 = N2",
                   3,
                   "2    0    0    \r\n0    2    0    \r\n0    0    -2    \r\n"},
        ReadingRow{{"several_reactions"},
                   "H2 + O2 = H2O2 + H2O",
                   4,
                   "2    0    -2    -2    \r\n0    2    -2    -1    \r\n"},
        ReadingRow{{"unreadable"}, "H2 + = H2O", 0, ""},
        ReadingRow{{"invalid_utf8"}, "H2 = \xff", 0, ""},
        // Refused unread, though the reader alone would take it.
        ReadingRow{{"too_long"}, std::string(kMaxEquationBytes, ' ') + "H2 + O2 = H2O", 0, ""}),
    RowName());

}  // namespace
}  // namespace quorvel::chemistry
