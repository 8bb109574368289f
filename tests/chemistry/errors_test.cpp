// Text that is not an equation gets one line that names the fault and where
// it is, whatever its size or shape.

#include <gtest/gtest.h>

#include <string>

#include "quorvel/chemistry/parser.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

struct ErrorRow : Row {
  std::string equation;
  std::string error;
};

class ErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(ErrorTest, NamesTheFaultAndItsPosition) {
  const ErrorRow& row = GetParam();
  const ParseResult parsed = ParseEquation(row.equation);
  EXPECT_FALSE(parsed.equation);
  EXPECT_FALSE(parsed.error.invalid_utf8);
  EXPECT_EQ(parsed.error.message, row.error);
  // The line is the catalogue's reading of the reason the parser reports.
  EXPECT_NE(parsed.error.reason.kind, ReasonKind::kNone);
  EXPECT_EQ(Explain(parsed.error.reason, Language::kEnglish), row.error);
}

INSTANTIATE_TEST_SUITE_P(
    Equation, ErrorTest,
    testing::Values(
        ErrorRow{{"empty"}, "", "the equation is empty"},
        ErrorRow{{"spaces_only"}, " \t ", "the equation is empty"},
        ErrorRow{
            {"no_arrow"}, "H2 + O2", "no \"=\" or arrow between the reactants and the products"},
        ErrorRow{{"no_reactants"}, " -> H2O", "no reactants before \"->\" at position 2"},
        ErrorRow{{"no_products"}, "H2 = ", "no products after \"=\" at position 4"},
        ErrorRow{{"leading_plus"}, "+H2 = H2", "nothing before \"+\" at position 1"},
        ErrorRow{{"plus_before_arrow"}, "H2 + = H2O", "nothing after \"+\" at position 4"},
        ErrorRow{{"trailing_plus"}, "H2 = H2 +", "nothing after \"+\" at position 9"},
        ErrorRow{{"second_arrow"},
                 "H2 -> H2O -> H2O",
                 "a second arrow \"->\" at position 11: an equation has one"},
        ErrorRow{{"space_inside_formula"},
                 "H2 O2 = H2O2",
                 "unexpected \"O\" at position 4: expected \"+\" or an arrow"},
        ErrorRow{{"plus_read_as_charge"},
                 "H2+ O2 = H2O",
                 "unexpected \"O\" at position 5: expected \"+\" or an arrow (the \"+\" at "
                 "position 3 was read as the charge of H2+)"},
        ErrorRow{{"control_character"},
                 std::string("H2\x01 = H", 6),
                 "unexpected U+0001 at position 3: expected \"+\" or an arrow"},
        ErrorRow{{"coefficient_alone"},
                 "2 = H",
                 "the coefficient at position 1 stands before no formula"},
        ErrorRow{{"coefficient_zero"}, "0H2 = H2", "a coefficient of 0 at position 1"},
        ErrorRow{{"coefficient_zeros"}, "H2 = 000H2", "a coefficient of 0 at position 6"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Formula, ErrorTest,
    testing::Values(
        ErrorRow{
            {"unknown_symbol"}, "H2O = H2 + Xx", "unknown element symbol \"Xx\" at position 12"},
        ErrorRow{{"small_letter_first"},
                 "h2o = H2 + O2",
                 "unknown element symbol \"h\" at position 1: a symbol starts with a capital "
                 "letter"},
        ErrorRow{{"three_letters"}, "Uuo = H", "unknown element symbol \"Uuo\" at position 1"},
        ErrorRow{{"count_zero"}, "H0 = H", "a count of 0 at position 2"},
        ErrorRow{{"count_first"}, "₂H = H", "the count at position 1 follows no element or group"},
        ErrorRow{{"two_counts"}, "H2₂ = H", "the count at position 3 follows no element or group"},
        ErrorRow{{"count_of_101_digits"},
                 "H" + std::string(101, '9') + " = H",
                 "the count at position 2 has more than 100 digits"},
        ErrorRow{{"unclosed"}, "Ca(OH = H", "\"(\" at position 3 is never closed"},
        ErrorRow{{"closes_nothing"}, "Ca)OH = H", "\")\" at position 3 closes nothing"},
        ErrorRow{{"mismatched"},
                 "K4[Fe(CN]6) = H",
                 "\"]\" at position 9 does not close \"(\" at position 6"},
        ErrorRow{{"empty_group"}, "Ca() = H", "empty group at position 3"},
        ErrorRow{{"too_deep"},
                 std::string(65, '(') + "H" + std::string(65, ')') + " = H",
                 "groups nested more than 64 deep at position 65"},
        ErrorRow{{"hundred_thousand_deep"},
                 std::string(100'000, '(') + "H" + std::string(100'000, ')') + " = H",
                 "groups nested more than 64 deep at position 65"},
        ErrorRow{{"dot_first"}, "·H2O = H", "nothing before the adduct dot at position 1"},
        ErrorRow{{"dot_last"}, "CuSO4· = H", "nothing after the adduct dot at position 6"},
        ErrorRow{{"dot_count_only"}, "CuSO4·5 = H", "nothing after the adduct dot at position 6"},
        ErrorRow{{"dot_in_group"}, "(H2O·H) = H", "an adduct dot inside a group at position 5"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Charge, ErrorTest,
    testing::Values(ErrorRow{{"caret_alone"},
                             "Fe^ = Fe",
                             "\"^\" at position 3 starts no charge: write it like ^2+, ^- or {3+}"},
                    ErrorRow{{"caret_digits_without_sign"},
                             "Fe^3 = Fe",
                             "\"^\" at position 3 starts no charge: write it like ^2+, ^- or {3+}"},
                    ErrorRow{
                        {"brace_unclosed"}, "Fe^{3+ = Fe", "\"{\" at position 4 is never closed"},
                    ErrorRow{{"charge_zero"}, "Fe^0+ = Fe", "a charge of 0 at position 4"},
                    ErrorRow{{"superscript_without_sign"},
                             "Fe³ = Fe",
                             "the superscript charge at position 3 has no sign: write it like ²⁺ or ²⁻"},
                    ErrorRow{{"electron_without_charge"},
                             "e = H",
                             "the electron at position 1 is written e-, e^- or e⁻"},
                    ErrorRow{{"positive_electron"},
                             "e+ = H",
                             "the electron at position 1 is written e-, e^- or e⁻"}),
    RowName());

// What stays unreadable says where, and what to write instead.
INSTANTIATE_TEST_SUITE_P(
    Notation, ErrorTest,
    testing::Values(
        ErrorRow{{"fraction_inside_a_formula"},
                 "H½ = H2",
                 "the fraction \"½\" at position 2 counts a whole part only: write it after an "
                 "adduct dot (CaSO4·½H2O) or before the formula as its coefficient"},
        ErrorRow{{"subscripts_then_digits_without_sign"},
                 "SO₄2 = S",
                 "the digits \"2\" at position 4 follow a subscript: write a count all in "
                 "subscripts (O₂) or all in digits (O2), and a charge after it as ²⁻ or ^2-"},
        ErrorRow{{"two_coefficients"},
                 "3 2H2 = H2",
                 "the number at position 3 stands before a formula that has a coefficient "
                 "already: write one number"},
        ErrorRow{{"count_after_oxidation_state"},
                 "Fe(III)2 = Fe",
                 "the count at position 8 follows the oxidation state \"(III)\" at position 3, "
                 "which counts no atoms: write the count right after the symbol"},
        ErrorRow{{"mass_number_zero"},
                 "^0C = C",
                 "the mass number \"0\" at position 2 is no isotope of C: a mass number is at "
                 "least the atomic number, as in ¹⁴C or [14C]"},
        ErrorRow{{"mass_number_below_atomic_number"},
                 "[1C] = C",
                 "the mass number \"1\" at position 2 is no isotope of C: a mass number is at "
                 "least the atomic number, as in ¹⁴C or [14C]"},
        ErrorRow{{"mass_number_of_a_hundred_digits"},
                 "^" + std::string(100, '9') + "C = C",
                 "the mass number \"" + std::string(100, '9') +
                     "\" at position 2 is no isotope of C: a mass number is at least the atomic "
                     "number, as in ¹⁴C or [14C]"},
        ErrorRow{{"mass_number_on_deuterium"},
                 "^2D = D",
                 "the mass number at position 2 labels D, which has its own: write D alone, or "
                 "^2H or ^3H"},
        ErrorRow{{"decimal_count_of_zero"}, "CaSO4·0.0H2O = CaSO4", "a count of 0 at position 7"},
        ErrorRow{{"decimal_coefficient_of_zero"}, "0.0O2 = O2", "a coefficient of 0 at position 1"},
        ErrorRow{{"condition_across_a_line_break"},
                 "SO3 =O2\nO2= SO3",
                 "unexpected U+000A at position 8: expected \"+\" or an arrow"},
        ErrorRow{{"control_character_before_an_invisible_one"},
                 "H2\n\xEF\xBB\xBF = H2",
                 "unexpected U+000A at position 3: expected \"+\" or an arrow"},
        ErrorRow{{"condition_touching_one_sign_only"},
                 "H2 =H2O = H2O",
                 "a second arrow \"=\" at position 9: an equation has one"},
        ErrorRow{{"spaced_species_between_arrows"},
                 "H2 -> H2O -> H2O",
                 "a second arrow \"->\" at position 11: an equation has one"},
        ErrorRow{{"condition_without_sign"},
                 "2Cu + O2 △ 2CuO",
                 "the condition \"△\" at position 10 stands without \"=\" or an arrow: write it "
                 "between two signs, as in =△= or →(△)"},
        ErrorRow{{"word_condition_without_sign"},
                 "C + O2 点燃 CO2",
                 "the condition \"点燃\" at position 8 stands without \"=\" or an arrow: write it "
                 "between two signs, as in =点燃= or →(点燃)"}),
    RowName());

TEST(ErrorLimitTest, MoreThanTenThousandSpeciesStop) {
  std::string reactants = "H2";
  for (std::size_t i = 2; i < kMaxSpecies; ++i) reactants += "+H2";
  EXPECT_EQ(ParseEquation(reactants + "=H2").error.message, "") << "10,000 species are read";
  EXPECT_EQ(ParseEquation(reactants + "+H2=H2").error.message, "more than 10000 species");
}

TEST(ErrorLimitTest, SixtyFourLevelsOfGroupsAreRead) {
  const std::string deep = std::string(64, '(') + "H" + std::string(64, ')');
  const ParseResult parsed = ParseEquation(deep + "2 = H");
  ASSERT_TRUE(parsed.equation) << parsed.error.message;
  EXPECT_EQ(parsed.equation->species.front().atoms.front().count, 2);
}

TEST(ErrorLimitTest, InvalidUtf8NamesTheByte) {
  for (const std::string bad :
       {"H2 = \xff", "H2 = \xc0\xaf", "H2 = \xed\xa0\x80", "H2 = \xe2\x82"}) {
    const ParseResult parsed = ParseEquation(bad);
    EXPECT_TRUE(parsed.error.invalid_utf8) << bad;
    EXPECT_EQ(parsed.error.message, "not valid UTF-8 at byte 6") << bad;
    EXPECT_EQ(parsed.error.reason.kind, ReasonKind::kInvalidUtf8) << bad;
    EXPECT_EQ(parsed.error.reason.position, 6u) << bad;
  }
}

}  // namespace
}  // namespace quorvel::chemistry
