// Hand-made matrices whose walk result is known, each aimed at one way the
// search could part from the walk.

#include <gtest/gtest.h>

#include "matrix_support.h"
#include "quorvel/search.h"
#include "reference_walk.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::SearchOutcome;

struct Case {
  const char* name;
  int compounds;
  RowList rows;
  SearchOutcome outcome;
  const char* digits;
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const RowList kNineChain = {{2, -1, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 1, -1, 0, 0, 0, 0, 0},
                            {0, 0, 0, 1, -1, 0, 0, 0, 0}, {0, 0, 0, 0, 1, -1, 0, 0, 0},
                            {0, 0, 0, 0, 0, 1, -1, 0, 0}, {0, 0, 0, 0, 0, 0, 1, -1, 0},
                            {0, 0, 0, 0, 0, 0, 0, 1, -1}};

const Case kCases[] = {
    {"water", 3, {{2, 0, -2}, {0, 2, -1}}, SearchOutcome::kFound, "212"},
    {"first_candidate",
     4,
     {{1, 1, 0, -2}, {1, 0, -1, 0}, {0, 1, -1, 0}, {0, 1, 0, -1}},
     SearchOutcome::kFound,
     "1111"},
    // 1011 balances too but lies below the first candidate.
    {"solution_below_range",
     4,
     {{1, 0, 0, -1}, {0, 2, 0, 0}, {0, 0, 2, -2}},
     SearchOutcome::kFound,
     "2022"},
    {"one_sided_element_forces_zero",
     4,
     {{2, 0, 0, -2}, {0, 2, 0, -1}, {0, 0, 2, 0}},
     SearchOutcome::kFound,
     "2102"},
    {"single_compound", 1, {{2}}, SearchOutcome::kNotFound, ""},
    {"single_compound_zero_row", 1, {{0}}, SearchOutcome::kFound, "1"},
    {"products_only", 2, {{0, -2}}, SearchOutcome::kFound, "20"},
    {"products_only_no_zero_digit_first", 3, {{-1, -1, 0}}, SearchOutcome::kNotFound, ""},
    {"no_rows", 6, {}, SearchOutcome::kFound, "111111"},
    {"zero_rows_only",
     7,
     {{0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}},
     SearchOutcome::kFound,
     "1111111"},
    // 9 x 4000 leaves 16 bits, but 11 balances before any nine is tried.
    {"overflow_only_after_balance", 2, {{4000, -4000}}, SearchOutcome::kFound, "11"},
    // Products are exact: 9 x (-3999) alone would not fit 16 bits, but only
    // the running sum counts, and it first leaves at 91 (36000).
    {"sum_leaves_range_not_product", 2, {{4000, -3999}}, SearchOutcome::kOverflow, ""},
    {"partial_sum_overflow_on_balanced_sums",
     3,
     {{20000, 20000, -20000}},
     SearchOutcome::kOverflow,
     ""},
    // Row 2 overflows only where row 1 is zero, first at 212.
    {"overflow_behind_zero_row", 3, {{1, -2, 0}, {1, 0, 30000}}, SearchOutcome::kOverflow, ""},
    // A zero digit clears the row that would overflow: 210 balances.
    {"zero_digit_avoids_overflow", 3, {{1, -2, 0}, {0, 0, 30000}}, SearchOutcome::kFound, "210"},
    {"overflowing_row_never_reached", 3, {{1, 1, 1}, {0, 0, 30000}}, SearchOutcome::kNotFound, ""},
    {"big_row_balances_first", 3, {{1, -1, 0}, {0, 4000, -4000}}, SearchOutcome::kFound, "111"},
    {"duplicate_big_row",
     5,
     {{4000, -4000, 0, 0, 0}, {4000, -4000, 0, 0, 0}, {0, 0, 1, 1, -2}},
     SearchOutcome::kFound,
     "11111"},
    // The third row is twice the second: zero whenever reached, but 9 x 4000
    // leaves 16 bits at 991, before the last row would reject it.
    {"dependent_multiple_overflows",
     3,
     {{1, 0, -9}, {2000, -2000, 0}, {4000, -4000, 0}, {0, 1, -8}},
     SearchOutcome::kOverflow,
     ""},
    {"dependent_multiple_overflows_split",
     5,
     {{1, 0, 0, 0, -9},
      {2000, -2000, 0, 0, 0},
      {0, 0, 1, -1, 0},
      {4000, -4000, 0, 0, 0},
      {0, 0, 0, 0, 1}},
     SearchOutcome::kOverflow,
     ""},
    // The first rows admit only 21500 and 21515; the last row's partial sums
    // reach exactly 32767 (or -32768) there and no further.
    {"high_limit_reached_exactly",
     5,
     {{1, -2, 0, 0, 0}, {0, 5, -1, 0, 0}, {0, 0, 0, 5, -1}, {1, 0, 0, 32765, -1}},
     SearchOutcome::kNotFound,
     ""},
    {"low_limit_reached_exactly",
     5,
     {{1, -2, 0, 0, 0}, {0, 5, -1, 0, 0}, {0, 0, 0, 5, -1}, {-1, 0, 0, -32766, 1}},
     SearchOutcome::kNotFound,
     ""},
    // Leaves the range within the leading digits (35000 at 21) and comes back.
    {"overflow_in_leading_digits",
     5,
     {{1, -2, 0, 0, 0}, {0, 5, -1, 0, 0}, {10000, 15000, -2000, 0, 0}},
     SearchOutcome::kOverflow,
     ""},
    // 9 x 3999 does not fit 16 bits, but the running sum -20000 + 35991
    // does: nothing overflows and nothing balances.
    {"large_product_inside_range",
     5,
     {{1, -2, 0, 0, 0}, {0, 5, -1, 0, 0}, {-10000, 0, 0, 0, 3999}},
     SearchOutcome::kNotFound,
     ""},
    // 1 x 1821 - 9 x 3642 stays inside, so 19 is rejected and 21 balances.
    {"exact_product_then_balance", 2, {{1821, -3642}}, SearchOutcome::kFound, "21"},
    {"nine_chain", 9, kNineChain, SearchOutcome::kFound, "120000000"},
    {"nine_no_solution", 9, {{1, 0, 0, 0, 0, 0, 0, 0, 0}}, SearchOutcome::kNotFound, ""},
    {"nine_full_rank",
     9,
     {{1, 0, 0, 0, 0, 0, 0, 0, 0},
      {0, 1, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 1, 0, 0, 0, 0, 0, 0},
      {0, 0, 0, 1, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 1, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 1, 0, 0, 0},
      {0, 0, 0, 0, 0, 0, 1, 0, 0},
      {0, 0, 0, 0, 0, 0, 0, 1, 0},
      {0, 0, 0, 0, 0, 0, 0, 0, 1},
      {0, 0, 0, 0, 0, 0, 0, 0, 30000}},
     SearchOutcome::kNotFound,
     ""},
    // Row 2 is reached on 111111111 and overflows once the last digit is 7.
    {"nine_overflow_in_last_digit",
     9,
     {{1, -1, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 5000}},
     SearchOutcome::kOverflow,
     ""},
    // Row 1 first zeroes at 210000000; row 2 then overflows at 210000009
    // (9 x 3641 > 32767).
    {"nine_overflow_after_prefix_change",
     9,
     {{1, -2, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 3641}, {0, 0, 1, -1, 0, 0, 0, 0, 0}},
     SearchOutcome::kOverflow,
     ""},
    {"nine_balance_after_prefix_change",
     9,
     {{1, -2, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 3641}, {0, 0, 1, -1, 0, 0, 0, 0, 0}},
     SearchOutcome::kFound,
     "210000000"},
    {"nine_race_balance_first",
     9,
     {{1, -1, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 5000, -5000}},
     SearchOutcome::kFound,
     "111111111"},
};

class SearchCases : public testing::TestWithParam<Case> {};

TEST_P(SearchCases, GivesTheWalkResult) {
  const Case& c = GetParam();
  const quorvel::CompositionMatrix matrix = MatrixFromRows(c.compounds, c.rows);
  const quorvel::SearchResult result = quorvel::SearchCoefficients(matrix, NeverClosing());
  EXPECT_EQ(result.outcome, c.outcome) << Describe(result);
  EXPECT_EQ(result.digits, c.digits);
}

INSTANTIATE_TEST_SUITE_P(Matrices, SearchCases, testing::ValuesIn(kCases), RowName());

// The expectations above are the walk's own, where the walk is short enough
// for a unit test.
std::vector<Case> WalkableCases() {
  std::vector<Case> cases;
  for (const Case& c : kCases) {
    if (c.compounds <= 6) cases.push_back(c);
  }
  return cases;
}

class WalkedCases : public testing::TestWithParam<Case> {};

TEST_P(WalkedCases, ExpectationIsTheWalks) {
  const Case& c = GetParam();
  const quorvel::SearchResult walked =
      quorvel::reference::WalkEveryCandidate(MatrixFromRows(c.compounds, c.rows), NeverClosing());
  EXPECT_EQ(walked.outcome, c.outcome);
  EXPECT_EQ(walked.digits, c.digits);
}

INSTANTIATE_TEST_SUITE_P(Matrices, WalkedCases, testing::ValuesIn(WalkableCases()), RowName());

TEST(SearchContract, RejectsCompoundCountsOutsideTheRange) {
  EXPECT_THROW(quorvel::SearchCoefficients(quorvel::CompositionMatrix(10, 1), NeverClosing()),
               std::invalid_argument);
  EXPECT_THROW(quorvel::SearchCoefficients(quorvel::CompositionMatrix(0, 1), NeverClosing()),
               std::invalid_argument);
}

}  // namespace
}  // namespace quorvel_test
