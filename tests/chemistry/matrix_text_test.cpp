// The composition matrix the window's matrix box shows for a chemistry
// reading: rows, signs, the charge line and counts past any machine word.

#include "quorvel/chemistry/matrix_text.h"

#include <gtest/gtest.h>

#include "quorvel/chemistry/parser.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

struct MatrixRow : Row {
  const char* equation;
  const char* matrix;
};

class MatrixTextTest : public testing::TestWithParam<MatrixRow> {};

TEST_P(MatrixTextTest, RowsPerElementThenCharge) {
  const MatrixRow& row = GetParam();
  const ParseResult parsed = ParseEquation(row.equation);
  ASSERT_TRUE(parsed.equation) << parsed.error.message;
  EXPECT_EQ(CompositionMatrixText(*parsed.equation), row.matrix);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, MatrixTextTest,
    testing::Values(
        MatrixRow{{"water"}, "H2 + O2 = H2O", "2    0    -2    \r\n0    2    -1    \r\n"},
        MatrixRow{{"long_subscripts"},
                  "C6H12O6 + O2 = CO2 + H2O",
                  "6    0    -1    0    \r\n12    0    0    -2    \r\n6    2    -2    -1    \r\n"},
        MatrixRow{{"group_counts_multiply"},
                  "Ca(OH)2 = CaO + H2O",
                  "1    -1    0    \r\n2    -1    -1    \r\n2    0    -2    \r\n"},
        // An element first met among the products gets its row after the others.
        MatrixRow{{"element_first_seen_in_products"},
                  "H2O2 = H2O + O2 + N2",
                  "2    -2    0    0    \r\n2    -1    -2    0    \r\n0    0    0    -2    \r\n"},
        MatrixRow{{"charge_line_last"},
                  "Fe^3+ + e- = Fe^2+",
                  "1    0    -1    \r\n3    -1    -2    \r\n"},
        MatrixRow{{"no_charge_line_when_all_neutral"}, "Na + Cl2 = NaCl",
                  "1    0    -1    \r\n0    2    -1    \r\n"},
        MatrixRow{{"counts_past_64_bits"},
                  "H123456789012345678901234567890 = H2",
                  "123456789012345678901234567890    -2    \r\n"}),
    RowName());

}  // namespace
}  // namespace quorvel::chemistry
