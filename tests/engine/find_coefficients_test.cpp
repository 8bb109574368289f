#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "quorvel/pipeline.h"
#include "quorvel/search.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::CompoundList;
using quorvel::FailureKind;
using quorvel::Text;

// Formulas whose hydrogen count is far from the usual, for the 16-bit limits.
const Text kH32760 = Repeat(U"H9", 3640);
const Text kH1821 = Repeat(U"H9", 202) + U"H3";
const Text kH3642 = Repeat(U"H9", 404) + U"H6";

// A host holding a normalised equation and a matrix text to append to, with
// the equation split as the pipeline splits it.
struct SearchSetup {
  explicit SearchSetup(const Text& equation) : host(equation) {
    host.SetMatrixText(U"kept|");
    reactants = quorvel::SplitEquation(equation, compounds);
  }
  quorvel::BufferHost host;
  CompoundList compounds;
  std::int16_t reactants = 0;
};

struct SearchRow : Row {
  Text equation;  // already normalised
  Text matrix;
  std::string digits;
};

class FindCoefficientsTest : public testing::TestWithParam<SearchRow> {};

TEST_P(FindCoefficientsTest, WritesTheMatrixTextAndFindsTheFirstDigits) {
  const SearchRow& row = GetParam();
  SearchSetup run(row.equation);
  EXPECT_EQ(quorvel::FindCoefficients(run.compounds, run.reactants, run.host), row.digits);
  EXPECT_EQ(run.host.MatrixText(), U"kept|" + row.matrix);
  EXPECT_EQ(run.host.EquationText(), row.equation);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindCoefficientsTest,
    testing::Values(
        SearchRow{{"water"}, U"H2+O2=H2O", U"2    0    -2    \r\n0    2    -1    \r\n", "212"},
        SearchRow{{"first_candidate"},
                  U"HCl+NaOH=NaCl+H2O",
                  U"1    1    0    -2    \r\n1    0    -1    0    \r\n"
                  U"0    1    -1    0    \r\n0    1    0    -1    \r\n",
                  "1111"},
        SearchRow{{"one_sided_element_gets_zero"},
                  U"H2+O2+N2=H2O",
                  U"2    0    0    -2    \r\n0    2    0    -1    \r\n0    0    2    0    \r\n",
                  "2102"},
        SearchRow{{"below_the_first_candidate"},
                  U"C+N2+O2=CO2",
                  U"1    0    0    -1    \r\n0    2    0    0    \r\n0    0    2    -2    \r\n",
                  "2022"},
        SearchRow{{"no_reactants"}, U"2+H2", U"0    -2    \r\n", "20"},
        SearchRow{{"single_compound_nothing_balances"}, U"H2", U"-2    \r\n", ""},
        SearchRow{{"product_zero_is_not_negative"},
                  U"O2+H2=H2",
                  U"2    0    0    \r\n0    2    -2    \r\n",
                  ""},
        SearchRow{{"nine_compounds"},
                  U"A+A+A+A+A+A+A+A=A",
                  U"1    1    1    1    1    1    1    1    -1    \r\n",
                  "111111118"},
        SearchRow{
            {"symbols_from_whole_text"}, U"\u6C34+H2=H2\u6C34", U"0    2    -2    \r\n", "111"},
        // 11 balances before any candidate could double 32760.
        SearchRow{
            {"large_counts_in_range"}, kH32760 + U"=" + kH32760, U"32760    -32760    \r\n", "11"}),
    RowName());

struct SearchFailureRow : Row {
  Text equation;
  FailureKind kind;
  Text matrix;  // the matrix text left behind
};

class FindCoefficientsFailureTest : public testing::TestWithParam<SearchFailureRow> {};

TEST_P(FindCoefficientsFailureTest, FailsAfterWritingWhatItReached) {
  const SearchFailureRow& row = GetParam();
  SearchSetup run(row.equation);
  ExpectFailure([&] { quorvel::FindCoefficients(run.compounds, run.reactants, run.host); },
                row.kind);
  EXPECT_EQ(run.host.MatrixText(), U"kept|" + row.matrix);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindCoefficientsFailureTest,
    testing::Values(
        SearchFailureRow{{"no_symbol"}, U"12+3=4", FailureKind::kNoElementSymbol, U""},
        SearchFailureRow{{"lowercase_only"}, U"h2+o2=h2o", FailureKind::kNoElementSymbol, U""},
        SearchFailureRow{{"chinese_only"}, U"\u6C34=\u6C34", FailureKind::kNoElementSymbol, U""},
        SearchFailureRow{{"ten_compounds"},
                         U"H+H+H+H+H=H+H+H+H+H",
                         FailureKind::kTooManyCompounds,
                         U"1    1    1    1    1    -1    -1    -1    -1    -1    \r\n"},
        SearchFailureRow{{"eleven_compounds"},
                         U"H+H+H+H+H+H=H+H+H+H+H",
                         FailureKind::kTooManyCompounds,
                         U"1    1    1    1    1    1    -1    -1    -1    -1    -1    \r\n"},
        // 32760 + 32760 leaves 16 bits before the row could come back to 0.
        SearchFailureRow{{"partial_row_sum_overflows"},
                         kH32760 + U"+" + kH32760 + U"=H2",
                         FailureKind::kOverflow,
                         U"32760    32760    -2    \r\n"},
        // 11 to 19 are rejected; 21 doubles 32760 and fails rather than
        // being rejected in turn.
        SearchFailureRow{{"overflow_is_not_a_rejection"},
                         kH32760 + U"=H2",
                         FailureKind::kOverflow,
                         U"32760    -2    \r\n"}),
    RowName());

// The products of a digit and an entry are exact: only a row sum outside 16
// bits fails. 1 x 1821 - 9 x 3642 stays inside although 9 x 3642 does not,
// so 19 is rejected and 21 balances.
TEST(FindCoefficientsExactProductTest, OnlyTheRowSumIsLimited) {
  SearchSetup run(kH1821 + U"=" + kH3642);
  EXPECT_EQ(quorvel::FindCoefficients(run.compounds, run.reactants, run.host), "21");
}

TEST(FindCoefficientsEdgeTest, NoCompoundsFailsAfterTheMatrixText) {
  quorvel::BufferHost host(U"H2O");
  ExpectFailure([&] { quorvel::FindCoefficients({}, 0, host); }, FailureKind::kNoCompounds);
  EXPECT_EQ(host.MatrixText(), U"\r\n\r\n");
}

struct DigitsRow : Row {
  std::int32_t candidate;
  std::vector<std::int16_t> before;
  std::vector<std::int16_t> after;
};

class SplitDigitsTest : public testing::TestWithParam<DigitsRow> {};

TEST_P(SplitDigitsTest, StoresOneDigitPerSlotAndYieldsPerDigit) {
  const DigitsRow& row = GetParam();
  quorvel::BufferHost host;
  std::vector<std::int16_t> digits = row.before;
  quorvel::SplitDigits(row.candidate, digits, host);
  EXPECT_EQ(digits, row.after);
  EXPECT_EQ(host.yields(), static_cast<long long>(row.after.size()) - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitDigitsTest,
    testing::Values(DigitsRow{{"three"}, 212, {}, {0, 2, 1, 2}}, DigitsRow{{"one"}, 7, {}, {0, 7}},
                    DigitsRow{{"zero_digits_kept"}, 2102, {}, {0, 2, 1, 0, 2}},
                    DigitsRow{{"nine"}, 999999999, {}, {0, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
                    DigitsRow{{"longer_list_cut_back"}, 12, {0, 9, 9, 9, 9}, {0, 1, 2}},
                    DigitsRow{{"shorter_list_grown"}, 345, {0, 8}, {0, 3, 4, 5}},
                    DigitsRow{{"negative_gives_magnitude"}, -45, {}, {0, 4, 5}},
                    DigitsRow{{"most_negative"}, INT32_MIN, {}, {0, 2, 1, 4, 7, 4, 8, 3, 6, 4, 8}}),
    RowName());

TEST(SplitDigitsClosingTest, StopsAtTheFirstRefusedYield) {
  RecordingHost host(U"", 2);
  std::vector<std::int16_t> digits;
  EXPECT_THROW(quorvel::SplitDigits(345, digits, host), quorvel::BalanceAbandoned);
  EXPECT_EQ(host.yields(), 2);
  EXPECT_EQ(digits, (std::vector<std::int16_t>{0, 3, 4}));
}

}  // namespace
}  // namespace quorvel_test
