#include <cstdint>
#include <string>

#include "quorvel/pipeline.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::CompoundList;
using quorvel::FailureKind;
using quorvel::Text;

Text EqualsRun(std::size_t count) { return U"A" + Repeat(U"=", count) + U"B"; }

struct NormalizeRow : Row {
  Text input;
  Text expected;
};

class NormalizeTest : public testing::TestWithParam<NormalizeRow> {};

TEST_P(NormalizeTest, RewritesTheHostTextAndYieldsEighteenTimes) {
  const NormalizeRow& row = GetParam();
  quorvel::BufferHost host(row.input);
  quorvel::NormalizeEquation(host);
  EXPECT_EQ(host.EquationText(), row.expected);
  EXPECT_EQ(host.yields(), 18);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormalizeTest,
    testing::Values(NormalizeRow{{"already_normal"}, U"H2+O2=H2O", U"H2+O2=H2O"},
                    NormalizeRow{{"empty"}, U"", U""},
                    NormalizeRow{{"spaces_removed"}, U" H2 + O2  = H2O ", U"H2+O2=H2O"},
                    NormalizeRow{{"other_white_space_stays"},
                                 U"H2\t+O2\u00A0=\u3000H2O",
                                 U"H2\t+O2\u00A0=\u3000H2O"},
                    NormalizeRow{{"full_width_brackets_and_plus"},
                                 U"Ca\uFF08OH\uFF092\uFF0BHCl=H2O",
                                 U"Ca(OH)2+HCl=H2O"},
                    NormalizeRow{{"full_width_equals_stays"}, U"H2+O2\uFF1DH2O", U"H2+O2\uFF1DH2O"},
                    NormalizeRow{{"arrow_character_stays"}, U"H2+O2\u2192H2O", U"H2+O2\u2192H2O"},
                    NormalizeRow{{"hyphen_arrow"}, U"H2+O2->H2O", U"H2+O2=>H2O"},
                    NormalizeRow{{"long_hyphen_arrow"}, U"H2+O2-->H2O", U"H2+O2=>H2O"},
                    NormalizeRow{{"mixed_run"}, U"A=-=B", U"A=B"},
                    NormalizeRow{{"brackets_and_signs_stay"}, U"K3[Fe(CN)6]>", U"K3[Fe(CN)6]>"},
                    NormalizeRow{{"chinese_kept_spaces_dropped"}, U"\u6C34 + H2", U"\u6C34+H2"},
                    // Characters whose low bits spell " ", "-", "+" or ")" are none of them.
                    NormalizeRow{{"outside_bmp_look_alikes"},
                                 U"\U00010020\U0001002D\U0001FF0B\U0001FF09",
                                 U"\U00010020\U0001002D\U0001FF0B\U0001FF09"},
                    NormalizeRow{{"equals_run_2"}, EqualsRun(2), U"A=B"},
                    NormalizeRow{{"equals_run_3"}, EqualsRun(3), U"A=B"},
                    NormalizeRow{{"equals_run_256"}, EqualsRun(256), U"A=B"},
                    NormalizeRow{{"equals_run_257"}, EqualsRun(257), U"A==B"},
                    NormalizeRow{{"equals_run_512"}, EqualsRun(512), U"A==B"}),
    RowName());

TEST(NormalizeYieldTest, EveryPassIsWrittenBackBeforeItsYield) {
  RecordingHost host(U"A -" + Repeat(U"=", 255) + U"B");
  quorvel::NormalizeEquation(host);
  ASSERT_EQ(host.yields(), 18);
  // The ten hyphen passes find the text of pass five; then the run of 256
  // halves once per yield.
  for (int i = 0; i < 10; ++i) EXPECT_EQ(host.seen_at_yield()[i], EqualsRun(256)) << i;
  for (int i = 10; i < 18; ++i) {
    EXPECT_EQ(host.seen_at_yield()[i], EqualsRun(std::size_t{256} >> (i - 9))) << i;
  }
}

struct ClosingRow : Row {
  long long closing_at;
  Text left_behind;  // the equation text when the run stops
};

class NormalizeClosingTest : public testing::TestWithParam<ClosingRow> {};

TEST_P(NormalizeClosingTest, StopsAtTheFirstRefusedYield) {
  const ClosingRow& row = GetParam();
  RecordingHost host(U"H2 + O2 ==== H2O", row.closing_at);
  EXPECT_THROW(quorvel::NormalizeEquation(host), quorvel::BalanceAbandoned);
  EXPECT_EQ(host.yields(), row.closing_at);
  EXPECT_EQ(host.yields_after_closing(), 0);
  EXPECT_EQ(host.EquationText(), row.left_behind);
}

INSTANTIATE_TEST_SUITE_P(Table, NormalizeClosingTest,
                         testing::Values(ClosingRow{{"first"}, 1, U"H2+O2====H2O"},
                                         ClosingRow{{"tenth"}, 10, U"H2+O2====H2O"},
                                         ClosingRow{{"eleventh"}, 11, U"H2+O2==H2O"},
                                         ClosingRow{{"last"}, 18, U"H2+O2=H2O"}),
                         RowName());

struct SplitRow : Row {
  Text text;
  CompoundList compounds;
  std::int16_t reactants;
};

class SplitEquationTest : public testing::TestWithParam<SplitRow> {};

TEST_P(SplitEquationTest, SplitsAtPlusAndEqualsAndCountsTheLeftSide) {
  const SplitRow& row = GetParam();
  CompoundList compounds{U"left over"};
  EXPECT_EQ(quorvel::SplitEquation(row.text, compounds), row.reactants);
  EXPECT_EQ(compounds, row.compounds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitEquationTest,
    testing::Values(
        SplitRow{{"plain"}, U"H2+O2=H2O", {U"H2", U"O2", U"H2O"}, 2},
        SplitRow{{"two_equals"}, U"A=B=C", {U"A", U"B", U"C"}, 1}, SplitRow{{"empty"}, U"", {}, 0},
        SplitRow{{"no_equals"}, U"H2O", {U"H2O"}, 0},
        SplitRow{{"no_equals_with_plus"}, U"2+H2", {U"2", U"H2"}, 0},
        SplitRow{{"leading_equals"}, U"=H2O", {U"", U"H2O"}, 1},
        SplitRow{{"equals_only"}, U"=", {U"", U""}, 1},
        SplitRow{{"empty_pieces_kept"}, U"+H2++O2=", {U"", U"H2", U"", U"O2", U""}, 4},
        SplitRow{{"plus_after_equals_not_counted"}, U"A=B+C+D", {U"A", U"B", U"C", U"D"}, 1},
        SplitRow{{"arrow_rest"}, U"H2+O2=>H2O", {U"H2", U"O2", U">H2O"}, 2},
        SplitRow{
            {"full_width_signs_are_text"}, U"H2\uFF0BO2\uFF1DH2O", {U"H2\uFF0BO2\uFF1DH2O"}, 0},
        SplitRow{{"chinese_compounds"},
                 U"\u6C34+\u76D0=\u6C34\u76D0",
                 {U"\u6C34", U"\u76D0", U"\u6C34\u76D0"},
                 2},
        SplitRow{{"outside_bmp_look_alikes"},
                 U"A\U0001002BB\U0001003DC=D",
                 {U"A\U0001002BB\U0001003DC", U"D"},
                 1}),
    RowName());

TEST(SplitEquationLimitTest, ReactantCountIsSixteenBitsAndNeverWraps) {
  CompoundList compounds;
  EXPECT_EQ(quorvel::SplitEquation(Repeat(U"H+", 32766) + U"H=H", compounds), 32767);
  EXPECT_EQ(compounds.size(), 32768u);
  // Plus signs right of the "=" are compounds, not reactants.
  EXPECT_EQ(quorvel::SplitEquation(U"H=" + Repeat(U"H+", 40000) + U"H", compounds), 1);

  for (std::size_t left : {32768u, 65537u}) {
    SCOPED_TRACE(left);
    ExpectFailure([&] { quorvel::SplitEquation(Repeat(U"H+", left - 1) + U"H=H", compounds); },
                  FailureKind::kOverflow);
  }
}

struct FormatRow : Row {
  std::string digits;
  CompoundList compounds;
  std::int16_t reactants;
  Text expected;
};

class FormatBalancedTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatBalancedTest, WritesDigitsAndTurnsTheClosingPlusIntoEquals) {
  const FormatRow& row = GetParam();
  EXPECT_EQ(quorvel::FormatBalanced(row.digits, row.compounds, row.reactants), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatBalancedTest,
    testing::Values(
        FormatRow{{"water"}, "212", {U"H2", U"O2", U"H2O"}, 2, U"2H2+O2=2H2O"},
        FormatRow{
            {"zero_is_written"}, "2102", {U"H2", U"O2", U"N2", U"H2O"}, 3, U"2H2+O2+0N2=2H2O"},
        FormatRow{
            {"all_ones"}, "1111", {U"HCl", U"NaOH", U"NaCl", U"H2O"}, 2, U"HCl+NaOH=NaCl+H2O"},
        FormatRow{{"no_reactants_first_character"}, "20", {U"2", U"H2"}, 0, U"=2+0H2"},
        FormatRow{{"empty_reactant"}, "20", {U"", U"H2O"}, 1, U"2=0H2O"},
        FormatRow{{"arrow_rest"}, "212", {U"H2", U"O2", U">H2O"}, 2, U"2H2+O2=2>H2O"},
        FormatRow{{"count_never_reached"}, "111", {U"A", U"B", U"C"}, 5, U"A+B+C"},
        FormatRow{{"negative_count"}, "11", {U"A", U"B"}, -1, U"A+B"},
        FormatRow{{"no_reactants_leading_plus"}, "11", {U"", U"H"}, 0, U"+H"},
        FormatRow{{"single_compound"}, "9", {U"X"}, 1, U"9X"},
        FormatRow{{"extra_compounds_ignored"}, "1", {U"A", U"B"}, 1, U"A"},
        FormatRow{{"chinese"}, "212", {U"\u6C34", U"H2", U"\u76D0"}, 2, U"2\u6C34+H2=2\u76D0"}),
    RowName());

struct FormatFailureRow : Row {
  std::string digits;
  CompoundList compounds;
  FailureKind kind;
};

class FormatBalancedFailureTest : public testing::TestWithParam<FormatFailureRow> {};

TEST_P(FormatBalancedFailureTest, Fails) {
  const FormatFailureRow& row = GetParam();
  ExpectFailure([&] { quorvel::FormatBalanced(row.digits, row.compounds, 1); }, row.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatBalancedFailureTest,
    testing::Values(
        FormatFailureRow{{"no_digits"}, "", {U"H2", U"O2"}, FailureKind::kNoCoefficients},
        FormatFailureRow{{"no_digits_no_compounds"}, "", {}, FailureKind::kNoCoefficients},
        FormatFailureRow{
            {"more_digits_than_compounds"}, "12", {U"H2"}, FailureKind::kCoefficientsMismatch}),
    RowName());

}  // namespace
}  // namespace quorvel_test
