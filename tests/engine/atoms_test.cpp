#include "quorvel/atoms.h"

#include <cstdint>
#include <optional>

#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::Text;

struct CountRow : Row {
  Text compound;
  Text symbol;
  std::int16_t expected;
};

class CountAtomsTest : public testing::TestWithParam<CountRow> {};

TEST_P(CountAtomsTest, CountsByTheReadingRules) {
  const CountRow& row = GetParam();
  EXPECT_EQ(quorvel::CountAtoms(row.compound, row.symbol), row.expected);
}

// The formula table, one row per element.
INSTANTIATE_TEST_SUITE_P(
    Formulas, CountAtomsTest,
    testing::Values(
        CountRow{{"H2O_H"}, U"H2O", U"H", 2}, CountRow{{"H2O_O_last"}, U"H2O", U"O", 1},
        CountRow{{"CO2_C"}, U"CO2", U"C", 1}, CountRow{{"CO2_O"}, U"CO2", U"O", 2},
        CountRow{{"NaCl_Na"}, U"NaCl", U"Na", 1}, CountRow{{"NaCl_Cl"}, U"NaCl", U"Cl", 1},
        CountRow{{"NaCl_C"}, U"NaCl", U"C", 0}, CountRow{{"CCl4_C"}, U"CCl4", U"C", 1},
        CountRow{{"CCl4_Cl"}, U"CCl4", U"Cl", 4}, CountRow{{"CaOH2_Ca"}, U"Ca(OH)2", U"Ca", 1},
        CountRow{{"CaOH2_O"}, U"Ca(OH)2", U"O", 2}, CountRow{{"CaOH2_H"}, U"Ca(OH)2", U"H", 2},
        CountRow{{"Fe2SO43_Fe"}, U"Fe2(SO4)3", U"Fe", 2},
        CountRow{{"Fe2SO43_S"}, U"Fe2(SO4)3", U"S", 3},
        CountRow{{"Fe2SO43_O"}, U"Fe2(SO4)3", U"O", 12},
        CountRow{{"NH42SO4_N"}, U"(NH4)2SO4", U"N", 2},
        CountRow{{"NH42SO4_H"}, U"(NH4)2SO4", U"H", 8},
        CountRow{{"NH42SO4_S"}, U"(NH4)2SO4", U"S", 1},
        CountRow{{"NH42SO4_O"}, U"(NH4)2SO4", U"O", 4},
        CountRow{{"K4FeCN6_K"}, U"K4Fe(CN)6", U"K", 4},
        CountRow{{"K4FeCN6_Fe"}, U"K4Fe(CN)6", U"Fe", 1},
        CountRow{{"K4FeCN6_C"}, U"K4Fe(CN)6", U"C", 6},
        CountRow{{"K4FeCN6_N"}, U"K4Fe(CN)6", U"N", 6},
        CountRow{{"C12H22O11_C"}, U"C12H22O11", U"C", 1},
        CountRow{{"C12H22O11_H"}, U"C12H22O11", U"H", 2},
        CountRow{{"C12H22O11_O"}, U"C12H22O11", U"O", 1}, CountRow{{"P4O10_P"}, U"P4O10", U"P", 4},
        CountRow{{"P4O10_O"}, U"P4O10", U"O", 1},
        CountRow{{"Cu2OH2CO3_Cu"}, U"Cu2(OH)2CO3", U"Cu", 2},
        CountRow{{"Cu2OH2CO3_O"}, U"Cu2(OH)2CO3", U"O", 8},
        CountRow{{"Cu2OH2CO3_H"}, U"Cu2(OH)2CO3", U"H", 2},
        CountRow{{"Cu2OH2CO3_C"}, U"Cu2(OH)2CO3", U"C", 1},
        CountRow{{"CaCH3COO2_Ca"}, U"Ca(CH3COO)2", U"Ca", 1},
        CountRow{{"CaCH3COO2_C"}, U"Ca(CH3COO)2", U"C", 2},
        CountRow{{"CaCH3COO2_H"}, U"Ca(CH3COO)2", U"H", 6},
        CountRow{{"CaCH3COO2_O"}, U"Ca(CH3COO)2", U"O", 4},
        CountRow{{"CoNH34NO22_Co"}, U"Co(NH3)4(NO2)2", U"Co", 1},
        CountRow{{"CoNH34NO22_N"}, U"Co(NH3)4(NO2)2", U"N", 8},
        CountRow{{"CoNH34NO22_H"}, U"Co(NH3)4(NO2)2", U"H", 12},
        CountRow{{"CoNH34NO22_O"}, U"Co(NH3)4(NO2)2", U"O", 2},
        CountRow{{"CaOH_no_factor_O"}, U"Ca(OH)", U"O", 1},
        CountRow{{"CaOH_no_factor_H"}, U"Ca(OH)", U"H", 1},
        CountRow{{"CuSO45H2O_Cu"}, U"CuSO4.5H2O", U"Cu", 1},
        CountRow{{"CuSO45H2O_S"}, U"CuSO4.5H2O", U"S", 1},
        CountRow{{"CuSO45H2O_O"}, U"CuSO4.5H2O", U"O", 5},
        CountRow{{"CuSO45H2O_H"}, U"CuSO4.5H2O", U"H", 2},
        CountRow{{"K3FeCN6_K"}, U"K3[Fe(CN)6]", U"K", 3},
        CountRow{{"K3FeCN6_Fe"}, U"K3[Fe(CN)6]", U"Fe", 1},
        CountRow{{"K3FeCN6_C"}, U"K3[Fe(CN)6]", U"C", 6},
        CountRow{{"K3FeCN6_N"}, U"K3[Fe(CN)6]", U"N", 6},
        CountRow{{"K3FeCN6_open_bracket"}, U"K3[Fe(CN)6]", U"[", 1},
        CountRow{{"K3FeCN6_close_bracket"}, U"K3[Fe(CN)6]", U"]", 1}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CountAtomsTest,
    testing::Values(CountRow{{"empty_formula"}, U"", U"H", 0},
                    CountRow{{"absent_symbol"}, U"H2O", U"N", 0},
                    CountRow{{"empty_symbol"}, U"H2O", U"", 0},
                    CountRow{{"three_letter_symbol"}, U"Uuo2", U"Uuo", 0},
                    CountRow{{"lowercase_symbol"}, U"H2O", U"h", 0},
                    CountRow{{"two_letter_not_in_capitals"}, U"CO2", U"Co", 0},
                    CountRow{{"one_letter_before_lowercase"}, U"CaCO3", U"C", 1},
                    CountRow{{"digit_zero"}, U"H0", U"H", 0},
                    CountRow{{"group_followed_by_zero"}, U"Ca(OH)0", U"O", 1},
                    CountRow{{"unclosed_group"}, U"Ca(OH", U"H", 1},
                    CountRow{{"group_factor_first_digit_only"}, U"Ca(OH)23", U"O", 2},
                    CountRow{{"close_before_open"}, U")H2(", U"H", 2},
                    CountRow{{"last_character_ignores_factor"}, U"(OH)2H", U"H", 3},
                    CountRow{{"factor_for_every_occurrence_H"}, U"(OH)2HO", U"H", 4},
                    CountRow{{"factor_for_every_occurrence_O"}, U"(OH)2HO", U"O", 3},
                    CountRow{{"two_letter_on_last_two"}, U"(OH)2Cl", U"Cl", 1},
                    CountRow{{"full_width_digit_is_other"}, U"H\uFF12O", U"H", 0},
                    CountRow{{"full_width_parenthesis_is_other"}, U"H\uFF08O", U"H", 0},
                    CountRow{{"full_width_capital_is_other"}, U"H\uFF21", U"H", 0},
                    CountRow{{"chinese_after_symbol"}, U"H\u6C34", U"H", 0},
                    CountRow{{"chinese_before_symbol"}, U"\u6C34H2", U"H", 2},
                    CountRow{{"latin_look_alike_of_A"}, U"H\u0141", U"H", 0},
                    CountRow{{"outside_bmp_look_alike_of_A"}, U"H\U00010041", U"H", 0},
                    CountRow{{"outside_bmp_look_alike_of_2"}, U"H\U00010032", U"H", 0},
                    CountRow{{"outside_bmp_after_group"}, U"Ca(OH)\U00010032", U"O", 1},
                    CountRow{{"outside_bmp_symbol_is_no_match"},
                             U"\U00010048"
                             U"2",
                             U"H",
                             0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Overflow, CountAtomsTest,
    testing::Values(
        CountRow{{"run_of_H9"}, Repeat(U"H9", 3641), U"H", 32760},
        CountRow{{"run_of_H9_then_H"}, Repeat(U"H9", 3641) + U"H", U"H", 32761},
        CountRow{{"smaller_addition_still_made"}, Repeat(U"H9", 3640) + U"H8H7", U"H", 32767},
        CountRow{{"group_factor_products"}, U"(" + Repeat(U"H9", 405) + U")9", U"H", 32724}),
    RowName());

struct GroupRow : Row {
  Text compound;
  Text symbol;
  std::optional<std::int16_t> expected;  // nullopt: the lookup fails
};

class GroupMultiplierTest : public testing::TestWithParam<GroupRow> {};

TEST_P(GroupMultiplierTest, ReadsTheDigitAfterTheFirstGroup) {
  const GroupRow& row = GetParam();
  EXPECT_EQ(quorvel::GroupMultiplier(row.compound, row.symbol), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupMultiplierTest,
    testing::Values(
        GroupRow{{"no_group"}, U"H2O", U"H", 0}, GroupRow{{"in_group"}, U"Ca(OH)2", U"O", 2},
        GroupRow{{"before_group"}, U"Ca(OH)2", U"Ca", 0},
        GroupRow{{"after_group"}, U"(NH4)2SO4", U"S", 0},
        GroupRow{{"first_occurrence_decides"}, U"Ca(CH3COO)2", U"C", 0},
        GroupRow{{"absent"}, U"Ca(OH)2", U"N", 0}, GroupRow{{"empty_symbol"}, U"Ca(OH)2", U"", 0},
        GroupRow{{"unclosed"}, U"Ca(OH", U"O", 0}, GroupRow{{"close_before_open"}, U")H(", U"H", 0},
        GroupRow{{"symbol_at_the_open_bracket"}, U"(OH)2", U"(", 0},
        GroupRow{{"factor_zero"}, U"Ca(OH)0", U"O", 0},
        GroupRow{{"nothing_after_group"}, U"Ca(OH)", U"O", std::nullopt},
        GroupRow{{"letter_after_group"}, U"Ca(OH)x", U"O", std::nullopt},
        GroupRow{{"full_width_digit_after_group"}, U"Ca(OH)\uFF12", U"O", std::nullopt},
        GroupRow{{"second_group_ignored"}, U"Co(NH3)4(NO2)2", U"O", 0}),
    RowName());

}  // namespace
}  // namespace quorvel_test
