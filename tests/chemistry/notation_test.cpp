// Every notation the chemistry reading accepts, read back as atoms, charge,
// text and arrow.

#include <gtest/gtest.h>

#include <string>

#include "quorvel/chemistry/parser.h"
#include "quorvel/chemistry/periodic_table.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

// "K4 Fe1 C6 N6", then the charge when there is one: "S1 O4 2-". A labelled
// atom shows its mass number, "^14C1", and a species counted for several
// formula units says how many: "Ca2 S2 O9 H2 in 2".
std::string Reading(const Species& species) {
  std::string out;
  for (const AtomCount& atoms : species.atoms) {
    out += (out.empty() ? "" : " ") + (atoms.mass != 0 ? "^" + std::to_string(atoms.mass) : "") +
           std::string(ElementSymbol(atoms.element)) + atoms.count.str();
  }
  if (species.charge != 0) {
    const Integer magnitude = species.charge > 0 ? species.charge : Integer(-species.charge);
    out += (out.empty() ? "" : " ") + magnitude.str() + (species.charge > 0 ? "+" : "-");
  }
  if (species.units != 1) out += " in " + species.units.str();
  return out;
}

struct FormulaRow : Row {
  const char* species;  // read as the reactant of "<species> = H"
  const char* reads;
};

class FormulaTest : public testing::TestWithParam<FormulaRow> {};

TEST_P(FormulaTest, ReadsAtomsAndCharge) {
  const FormulaRow& row = GetParam();
  const ParseResult parsed = ParseEquation(std::string(row.species) + " = H");
  ASSERT_TRUE(parsed.equation) << parsed.error.message;
  EXPECT_EQ(Reading(parsed.equation->species.front()), row.reads);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, FormulaTest,
    testing::Values(FormulaRow{{"multi_digit"}, "C12H22O11", "C12 H22 O11"},
                    FormulaRow{{"repeated_element"}, "CH3COOH", "C2 H4 O2"},
                    FormulaRow{{"group_count"}, "Ca3(PO4)2", "Ca3 P2 O8"},
                    FormulaRow{{"square_brackets"}, "K4[Fe(CN)6]", "K4 Fe1 C6 N6"},
                    FormulaRow{{"nested_twice"}, "((CH3)3C)2O", "C8 H18 O1"},
                    FormulaRow{{"braces"}, "{(CH3)3C}2O", "C8 H18 O1"},
                    FormulaRow{{"group_without_count"}, "Ca(OH)", "Ca1 O1 H1"},
                    FormulaRow{{"full_width_brackets"}, "Ca（OH）2", "Ca1 O2 H2"},
                    FormulaRow{{"count_of_thirty_one_digits"},
                               "H1000000000000000000000000000000",
                               "H1000000000000000000000000000000"},
                    FormulaRow{{"nested_counts_multiply"},
                               "((H2)1000000000000000)1000000000000000",
                               "H2000000000000000000000000000000"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Adducts, FormulaTest,
    testing::Values(FormulaRow{{"middle_dot"}, "CuSO4·5H2O", "Cu1 S1 O9 H10"},
                    FormulaRow{{"period"}, "CuSO4.5H2O", "Cu1 S1 O9 H10"},
                    FormulaRow{{"star"}, "CuSO4*5H2O", "Cu1 S1 O9 H10"},
                    FormulaRow{{"bullet"}, "CuSO4•5H2O", "Cu1 S1 O9 H10"},
                    FormulaRow{{"no_leading_count"}, "CaSO4·H2O", "Ca1 S1 O5 H2"},
                    FormulaRow{{"three_parts"}, "CaCl2·2NH3·H2O", "Ca1 Cl2 N2 H8 O1"},
                    FormulaRow{{"grouped_part"}, "Al2(SO4)3·18H2O", "Al2 S3 O30 H36"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(Unicode, FormulaTest,
                         testing::Values(FormulaRow{{"subscripts"}, "C₁₂H₂₂O₁₁", "C12 H22 O11"},
                                         FormulaRow{
                                             {"subscript_group_count"}, "Ca₃(PO₄)₂", "Ca3 P2 O8"},
                                         FormulaRow{{"superscript_charge"}, "Fe³⁺", "Fe1 3+"},
                                         FormulaRow{{"both"}, "SO₄²⁻", "S1 O4 2-"},
                                         FormulaRow{{"superscript_sign_only"}, "OH⁻", "O1 H1 1-"},
                                         FormulaRow{{"minus_sign_character"}, "Cl−", "Cl1 1-"}),
                         RowName());

INSTANTIATE_TEST_SUITE_P(
    Charges, FormulaTest,
    testing::Values(FormulaRow{{"lone_minus"}, "OH-", "O1 H1 1-"},
                    FormulaRow{{"digits_before_sign_are_a_subscript"}, "MnO4-", "Mn1 O4 1-"},
                    FormulaRow{{"ammonium"}, "NH4+", "N1 H4 1+"},
                    FormulaRow{{"digits_after_lone_symbol_are_the_charge"}, "Fe3+", "Fe1 3+"},
                    FormulaRow{{"sulfide"}, "S2-", "S1 2-"},
                    FormulaRow{{"caret"}, "Fe^3+", "Fe1 3+"},
                    FormulaRow{{"caret_sign_first"}, "Fe^+3", "Fe1 3+"},
                    FormulaRow{{"caret_sign_only"}, "Cl^-", "Cl1 1-"},
                    FormulaRow{{"caret_braces"}, "Fe^{3+}", "Fe1 3+"},
                    FormulaRow{{"braces"}, "Fe{3+}", "Fe1 3+"},
                    FormulaRow{{"caret_keeps_subscript"}, "Fe3^+", "Fe3 1+"},
                    FormulaRow{{"caret_after_subscript"}, "SO4^2-", "S1 O4 2-"},
                    FormulaRow{{"other_reading_of_permanganate"}, "MnO^4-", "Mn1 O1 4-"},
                    FormulaRow{{"sign_then_digits"}, "Fe+3", "Fe1 3+"},
                    FormulaRow{{"sign_then_digits_after_subscript"}, "SO4-2", "S1 O4 2-"},
                    FormulaRow{{"before_state_mark"}, "Na+(aq)", "Na1 1+"},
                    FormulaRow{{"electron"}, "e-", "1-"},
                    FormulaRow{{"electron_caret"}, "e^-", "1-"},
                    FormulaRow{{"electron_superscript"}, "e⁻", "1-"},
                    FormulaRow{{"large_charge"},
                               "Fe^1000000000000000000000000000000+",
                               "Fe1 1000000000000000000000000000000+"}),
    RowName());

// Two or more digits before an unmarked sign end with the charge, as an ion
// is typed where superscripts are out of reach.
INSTANTIATE_TEST_SUITE_P(
    ChargesWithoutSuperscripts, FormulaTest,
    testing::Values(FormulaRow{{"sulfate"}, "SO42-", "S1 O4 2-"},
                    FormulaRow{{"dichromate"}, "Cr2O72-", "Cr2 O7 2-"},
                    FormulaRow{{"phosphate"}, "PO43-", "P1 O4 3-"},
                    FormulaRow{{"hydrogen_phosphate"}, "HPO42-", "H1 P1 O4 2-"},
                    FormulaRow{{"thiosulfate"}, "S2O32-", "S2 O3 2-"},
                    FormulaRow{{"after_a_group"}, "Fe(CN)64-", "Fe1 C6 N6 4-"},
                    FormulaRow{{"peroxide_after_a_lone_symbol"}, "O22-", "O2 2-"},
                    FormulaRow{{"superscript_sign"}, "SO42⁻", "S1 O4 2-"},
                    FormulaRow{{"final_zero_is_a_count"}, "C60-", "C60 1-"},
                    FormulaRow{{"charge_past_four_is_a_count"}, "C8H18+", "C8 H18 1+"},
                    FormulaRow{{"count_of_zero_left_is_a_count"}, "H01-", "H1 1-"},
                    FormulaRow{{"other_reading_with_caret"}, "SO42^-", "S1 O42 1-"},
                    FormulaRow{{"one_digit_after_formula_stays"}, "NH4+", "N1 H4 1+"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    AsChemistsWrite, FormulaTest,
    testing::Values(FormulaRow{{"oxidation_state_alone"}, "Fe(II)", "Fe1 2+"},
                    FormulaRow{{"oxidation_state_zero"}, "Fe(0)", "Fe1"},
                    FormulaRow{{"oxidation_state_in_formula"}, "Fe(III)Cl3", "Fe1 Cl3"},
                    FormulaRow{{"oxidation_state_before_group"}, "Fe(III)(OH)3", "Fe1 O3 H3"},
                    FormulaRow{
                        {"group_of_iodine_after_symbol_stays_a_group"}, "Ca(IO3)2", "Ca1 I2 O6"},
                    FormulaRow{{"superscript_sign_after_lone_symbol"}, "Fe3⁺", "Fe1 3+"},
                    FormulaRow{{"superscript_sign_after_formula"}, "MnO4⁻", "Mn1 O4 1-"},
                    FormulaRow{{"two_pluses"}, "Fe++", "Fe1 2+"},
                    FormulaRow{{"three_pluses"}, "Fe+++", "Fe1 3+"},
                    FormulaRow{{"two_minuses"}, "SO4--", "S1 O4 2-"},
                    FormulaRow{{"superscript_digits_plain_sign"}, "SO4²-", "S1 O4 2-"},
                    FormulaRow{{"caret_superscripts"}, "Fe^³⁺", "Fe1 3+"},
                    FormulaRow{{"subscripts_then_plain_charge"}, "SO₄2-", "S1 O4 2-"},
                    FormulaRow{{"hyphen"}, "Cl\u2010", "Cl1 1-"},
                    FormulaRow{{"figure_dash"}, "Cl\u2012", "Cl1 1-"},
                    FormulaRow{{"en_dash"}, "Cl\u2013", "Cl1 1-"},
                    FormulaRow{{"small_hyphen_minus"}, "Cl\uFE63", "Cl1 1-"},
                    FormulaRow{{"full_width_minus"}, "Cl\uFF0D", "Cl1 1-"},
                    FormulaRow{{"full_width_letters_and_digits"}, "Ｈ２Ｏ", "H2 O1"},
                    FormulaRow{{"full_width_brackets"}, "Ｋ４［Ｆｅ（ＣＮ）６］", "K4 Fe1 C6 N6"},
                    FormulaRow{{"full_width_caret_and_braces"}, "Fe＾｛3+｝", "Fe1 3+"},
                    FormulaRow{{"full_width_point"}, "CuSO4．5H2O", "Cu1 S1 O9 H10"},
                    FormulaRow{{"soft_hyphen_and_zero_width"}, "H\u00AD2\u200BO\u200D", "H2 O1"},
                    FormulaRow{{"crystal_mark"}, "NaCl(cr)", "Na1 Cl1"},
                    FormulaRow{{"gas_mark_then_arrow"}, "O2(g)↑", "O2"},
                    FormulaRow{{"half"}, "CaSO4·½H2O", "Ca2 S2 O9 H2 in 2"},
                    FormulaRow{{"decimal_half"}, "CaSO4·0.5H2O", "Ca2 S2 O9 H2 in 2"},
                    FormulaRow{{"whole_and_a_half"}, "CaSO4·1½H2O", "Ca2 S2 O11 H6 in 2"},
                    FormulaRow{{"thirds_and_quarters"}, "Al·⅓H2O·¼CO2", "Al12 H8 O10 C3 in 12"},
                    FormulaRow{{"count_of_the_first_part"}, "2CaSO4·H2O", "Ca2 S2 O9 H2"},
        FormulaRow{{"leading_zeros_are_decimal"}, "CaSO4·08H2O·00.50CO2", "Ca2 S2 O26 H32 C1 in 2"},
                    FormulaRow{{"spaces_around_the_dot"}, "CuSO4 · 5H2O", "Cu1 S1 O9 H10"},
                    FormulaRow{{"decimal_after_a_group"}, "Ca(OH)2.5H2O", "Ca1 O7 H12"},
                    FormulaRow{{"deuterium"}, "D2O", "^2H2 O1"},
                    FormulaRow{{"tritium_beside_hydrogen"}, "HTO", "H1 ^3H1 O1"},
                    FormulaRow{{"superscript_mass"}, "¹⁴CO2", "^14C1 O2"},
                    FormulaRow{{"caret_mass"}, "^13CH4", "^13C1 H4"},
                    FormulaRow{{"braced_mass"}, "^{18}O2", "^18O2"},
                    FormulaRow{{"bracketed_mass"}, "CH3[14C]OOH", "C1 H4 ^14C1 O2"},
                    FormulaRow{{"bracketed_hydrogen_is_deuterium"}, "[2H]2O", "^2H2 O1"}),
    RowName());

// How an equation splits into species: "+" between species, a charge's sign
// only where it ends a species, the arrow as typed.
struct SplitRow : Row {
  const char* equation;
  const char* split;  // species texts joined by "|", the arrow between the sides
};

std::string Split(const Equation& equation) {
  std::string out;
  for (std::size_t i = 0; i < equation.species.size(); ++i) {
    if (i == equation.reactant_count) {
      out += " " + equation.arrow + " ";
    } else if (i > 0) {
      out += "|";
    }
    out += equation.species[i].text;
  }
  return out;
}

class SplitTest : public testing::TestWithParam<SplitRow> {};

TEST_P(SplitTest, SplitsIntoSpecies) {
  const SplitRow& row = GetParam();
  const ParseResult parsed = ParseEquation(row.equation);
  ASSERT_TRUE(parsed.equation) << parsed.error.message;
  EXPECT_EQ(Split(*parsed.equation), row.split);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, SplitTest,
    testing::Values(
        SplitRow{{"plus_without_spaces"}, "H2+O2=H2O", "H2|O2 = H2O"},
        SplitRow{{"charge_then_spaced_plus"}, "Fe3+ + Cl- = FeCl3", "Fe3+|Cl- = FeCl3"},
        SplitRow{{"charge_then_plus"}, "Fe3++Cl-=FeCl3", "Fe3+|Cl- = FeCl3"},
        SplitRow{{"sign_digits_then_plus"}, "Fe+3+e-=Fe+2", "Fe+3|e- = Fe+2"},
        SplitRow{{"plus_then_coefficient"}, "H2+3O2=H2O", "H2|O2 = H2O"},
        SplitRow{{"coefficient_of_any_length"},
                 "H2 = 1234567890123456789012345678901234567890123456789012345678901234"
                 "567890123456789012345678901234567890123456789012345678901234567890H2",
                 "H2 = H2"},
        SplitRow{{"charge_before_arrow"}, "Na+->Na", "Na+ -> Na"},
        SplitRow{{"minus_charge_before_arrow"}, "OH-->OH", "OH- -> OH"},
        SplitRow{{"spaces_and_tabs"}, "  2 H2\t+ O2 =H2O  ", "H2|O2 = H2O"},
        SplitRow{{"ideographic_space"}, "H2\u3000+\u3000O2 = H2O", "H2|O2 = H2O"},
        SplitRow{
            {"state_marks_kept"}, "NaCl (aq) = Na+(aq) + Cl-(aq)", "NaCl (aq) = Na+(aq)|Cl-(aq)"},
        SplitRow{{"full_width_signs"}, "Ca（OH）2＋HCl＝CaCl2", "Ca（OH）2|HCl ＝ CaCl2"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Arrows, SplitTest,
    testing::Values(
        SplitRow{{"double_equals"}, "H2==H2", "H2 == H2"},
        SplitRow{{"hyphen_arrow"}, "H2->H2", "H2 -> H2"}, SplitRow{{"arrow"}, "H2→H2", "H2 → H2"},
        SplitRow{{"long_arrow"}, "H2⟶H2", "H2 ⟶ H2"}, SplitRow{{"equilibrium"}, "H2⇌H2", "H2 ⇌ H2"},
        SplitRow{{"double_headed"}, "H2<=>H2", "H2 <=> H2"},
        SplitRow{{"single_headed_pair"}, "H2<->H2", "H2 <-> H2"},
        SplitRow{{"fat_arrow"}, "H2=>H2", "H2 => H2"},
        SplitRow{{"long_hyphen_arrow"}, "H2 --> H2", "H2 --> H2"},
        SplitRow{{"left_right"}, "H2↔H2", "H2 ↔ H2"},
        SplitRow{{"right_over_left"}, "H2⇄H2", "H2 ⇄ H2"},
        SplitRow{{"long_left_right"}, "H2⟷H2", "H2 ⟷ H2"},
        SplitRow{{"left_over_right_harpoons"}, "H2⇋H2", "H2 ⇋ H2"},
        SplitRow{
            {"condition_kept_with_the_signs"}, "KClO3=MnO2,△=KCl+O2↑", "KClO3 =MnO2,△= KCl|O2↑"},
        SplitRow{{"condition_between_arrows"}, "CaCO3 →高温→ CaO + CO2", "CaCO3 →高温→ CaO|CO2"},
        SplitRow{{"spaced_signs_hold_no_condition"}, "H2 = H2 + H2O", "H2 = H2|H2O"},
        SplitRow{{"byte_order_mark"}, "\xEF\xBB\xBFH2 = H2", "H2 = H2"}),
    RowName());

// The signs between the sides and the notes after a formula that textbooks
// and word processors print.
INSTANTIATE_TEST_SUITE_P(
    TextbookSigns, SplitTest,
    testing::Values(
        SplitRow{{"long_run_of_equals"}, "H2===H2", "H2 === H2"},
        SplitRow{{"condition_between_runs"}, "C+O2===点燃===CO2", "C|O2 ===点燃=== CO2"},
        SplitRow{{"typeset_double_line"}, "C + O2 ═══点燃═══ CO2", "C|O2 ═══点燃═══ CO2"},
        SplitRow{{"condition_in_brackets_after_arrow"},
                 "N2 + H2 ⇌(高温高压,催化剂) NH3",
                 "N2|H2 ⇌(高温高压,催化剂) NH3"},
        SplitRow{{"group_after_arrow_stays_a_species"}, "H2 →(NH4)2S", "H2 → (NH4)2S"},
        SplitRow{{"spaced_condition"}, "Mg + O2 = 点燃 = MgO", "Mg|O2 = 点燃 = MgO"},
        SplitRow{{"spaced_formula_held_apart_by_the_signs"},
                 "H2O2= MnO2 =H2O+O2↑",
                 "H2O2 =MnO2= H2O|O2↑"},
        SplitRow{{"dashed_arrow_with_heat"}, "CaCO3 -△-> CaO + CO2", "CaCO3 -△-> CaO|CO2"},
        SplitRow{{"dashed_arrow_with_catalyst"}, "KClO3 -MnO2,△-> KCl", "KClO3 -MnO2,△-> KCl"},
        SplitRow{{"em_dash_arrow"}, "Mg+O2—点燃→MgO", "Mg|O2 —点燃→ MgO"},
        SplitRow{{"long_dashed_arrow"}, "H2 -----> H2", "H2 -----> H2"},
        SplitRow{{"notes_after_formulas"},
                 "Cu + H2SO4(浓) = CuSO4 + SO2↑ + H2O",
                 "Cu|H2SO4(浓) = CuSO4|SO2↑|H2O"},
        SplitRow{{"full_width_note"}, "Fe + HCl（稀）= FeCl2", "Fe|HCl（稀） = FeCl2"},
        SplitRow{{"name_after_formula"},
                 "C12H22O11(蔗糖) + H2O = C6H12O6(葡萄糖) + C6H12O6(果糖)",
                 "C12H22O11(蔗糖)|H2O = C6H12O6(葡萄糖)|C6H12O6(果糖)"}),
    RowName());

TEST(PeriodicTableTest, KnowsAll118SymbolsOnce) {
  for (int z = 1; z <= kElementCount; ++z) {
    EXPECT_EQ(AtomicNumber(ElementSymbol(z)), z) << ElementSymbol(z);
  }
  EXPECT_EQ(AtomicNumber("Og"), 118);
  EXPECT_EQ(AtomicNumber("Fe"), 26);
  for (const char* unknown : {"Xx", "h", "FE", "Uuo", ""}) EXPECT_EQ(AtomicNumber(unknown), 0);
}

}  // namespace
}  // namespace quorvel::chemistry
