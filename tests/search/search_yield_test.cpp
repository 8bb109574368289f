// How the search hands control back to its host.

#include <gtest/gtest.h>

#include "matrix_support.h"
#include "quorvel/failure.h"
#include "quorvel/search.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

struct YieldCase {
  const char* name;
  int compounds;
  RowList rows;
  long long min_yields;  // the long searches must yield more than once
  long long max_yields;  // far fewer than one per digit of every candidate
};
void PrintTo(const YieldCase& c, std::ostream* out) { *out << c.name; }

const YieldCase kYieldCases[] = {
    {"two_compounds_found", 2, {{1, -1}}, 1, 1},
    {"six_no_solution",
     6,
     {{1, 1, 1, -1, -1, -2}, {2, 0, 1, -1, 0, 0}, {0, 0, 0, 0, 3, -1}},
     1,
     50},
    // Together the rows ask for a first digit of 0.
    {"nine_no_solution",
     9,
     {{2, 2, 2, 2, 2, -2, -2, -2, -2}, {3, 1, 1, 1, 1, -1, -1, -1, -1}},
     2,
     200},
    {"nine_overflow_rows",
     9,
     {{3000, -2000, 0, 0, 0, 0, 1000, 0, -7}, {0, 0, 4000, -4000, 0, 0, 0, 1, 0}},
     2,
     400},
};

class SearchYield : public testing::TestWithParam<YieldCase> {};

TEST_P(SearchYield, YieldsAFewTimes) {
  const YieldCase& c = GetParam();
  long long yields = 0;
  const std::function<bool()> yield = [&yields] {
    ++yields;
    return true;
  };
  quorvel::SearchCoefficients(MatrixFromRows(c.compounds, c.rows), yield);
  EXPECT_GE(yields, c.min_yields);
  EXPECT_LE(yields, c.max_yields);
}

// A closing host stops the search at the yield that reports it, and is not
// asked again.
TEST_P(SearchYield, StopsWhenTheHostCloses) {
  const YieldCase& c = GetParam();
  for (long long closing_at = 1; closing_at <= c.min_yields; ++closing_at) {
    long long yields = 0;
    const std::function<bool()> yield = [&yields, closing_at] { return ++yields < closing_at; };
    EXPECT_THROW(quorvel::SearchCoefficients(MatrixFromRows(c.compounds, c.rows), yield),
                 quorvel::BalanceAbandoned)
        << "closing at yield " << closing_at;
    EXPECT_EQ(yields, closing_at);
  }
}

INSTANTIATE_TEST_SUITE_P(Matrices, SearchYield, testing::ValuesIn(kYieldCases), RowName());

}  // namespace
}  // namespace quorvel_test
