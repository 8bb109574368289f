#include "quorvel/elements.h"

#include <optional>

#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::ElementList;
using quorvel::Text;

struct ScanRow : Row {
  Text text;
  ElementList expected;  // with slot 0; empty when nothing is found
};

class CollectElementsTest : public testing::TestWithParam<ScanRow> {};

TEST_P(CollectElementsTest, ListsEachSymbolOnceInOrderOfFirstOccurrence) {
  const ScanRow& row = GetParam();
  ElementList elements;
  quorvel::CollectElements(row.text, elements);
  EXPECT_EQ(elements, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CollectElementsTest,
    testing::Values(
        ScanRow{{"water"}, U"H2+O2=H2O", {U"", U"H", U"O"}},
        ScanRow{{"salt"}, U"Na+Cl2=NaCl", {U"", U"Na", U"Cl"}},
        ScanRow{{"lime"}, U"Ca(OH)2+HCl=CaCl2+H2O", {U"", U"Ca", U"O", U"H", U"Cl"}},
        ScanRow{{"neutralisation"}, U"HCl+NaOH=NaCl+H2O", {U"", U"H", U"Cl", U"Na", U"O"}},
        ScanRow{{"case_matters"}, U"CO2+Co=CoO2+C", {U"", U"C", U"O", U"Co"}},
        ScanRow{{"square_brackets"}, U"K4[Fe(CN)6]", {U"", U"K", U"[", U"Fe", U"C", U"N", U"]"}},
        ScanRow{{"third_letter_skipped"}, U"Uuo", {U"", U"Uu"}},
        ScanRow{{"lone_continuation_skipped"}, U"Hee", {U"", U"He"}},
        ScanRow{{"lowercase_only"}, U"co2=c+o2", {}},
        ScanRow{{"repeats_listed_once"}, U"NaCl+NaCl", {U"", U"Na", U"Cl"}},
        ScanRow{{"bracket_then_capital"}, U"[F", {U"", U"[", U"F"}},
        ScanRow{{"underscore_pair"}, U"_b", {U"", U"_b"}},
        ScanRow{{"signs_91_to_95"}, U"\\^_]", {U"", U"\\", U"^", U"_", U"]"}},
        ScanRow{{"class_bounds"}, U"@Z`{", {U"", U"Z"}},
        ScanRow{{"last_position_alone"}, U"OH", {U"", U"O", U"H"}},
        ScanRow{{"digits_and_signs"}, U"12+=()>.-", {}}, ScanRow{{"empty"}, U"", {}},
        ScanRow{{"full_width_and_cyrillic_letters"}, U"\uFF28\u041E\uFF41", {}},
        ScanRow{{"chinese_around"}, U"\u6C34H\u6C34O", {U"", U"H", U"O"}},
        ScanRow{{"chinese_does_not_continue"}, U"H\u6C34a", {U"", U"H"}},
        // Low bits "A" and "a": neither starts nor continues a symbol.
        ScanRow{{"latin_look_alike"}, U"\u0141H\u0161", {U"", U"H"}},
        ScanRow{{"outside_bmp_look_alikes"}, U"\U00010041H\U00010061", {U"", U"H"}}),
    RowName());

TEST(CollectElementsFilledListTest, KeepsWhatIsListedAndAddsNoDuplicate) {
  ElementList elements{U"", U"O"};
  quorvel::CollectElements(U"H2O", elements);
  EXPECT_EQ(elements, (ElementList{U"", U"O", U"H"}));
}

struct LookupRow : Row {
  ElementList elements;
  Text symbol;
  std::optional<bool> expected;
};

class IsNewSymbolTest : public testing::TestWithParam<LookupRow> {};

TEST_P(IsNewSymbolTest, ComparesExactlyOverEverySlot) {
  const LookupRow& row = GetParam();
  EXPECT_EQ(quorvel::IsNewSymbol(row.elements, row.symbol), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsNewSymbolTest,
    testing::Values(LookupRow{{"no_slots_cannot_look"}, {}, U"H", std::nullopt},
                    LookupRow{{"listed"}, {U"", U"H", U"O"}, U"O", false},
                    LookupRow{{"not_listed"}, {U"", U"H", U"O"}, U"Na", true},
                    LookupRow{{"case_sensitive"}, {U"", U"Co"}, U"CO", true},
                    LookupRow{{"empty_matches_slot_zero"}, {U"", U"H"}, U"", false}),
    RowName());

}  // namespace
}  // namespace quorvel_test
