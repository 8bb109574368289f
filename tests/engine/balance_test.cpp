#include <optional>
#include <string>

#include "quorvel/pipeline.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::BalanceFailure;
using quorvel::FailureKind;
using quorvel::Text;

struct BalanceRow : Row {
  Text input;
  Text normalised;
  Text result;
};

class BalanceEquationTest : public testing::TestWithParam<BalanceRow> {};

TEST_P(BalanceEquationTest, BalancesAndLeavesTheNormalisedText) {
  const BalanceRow& row = GetParam();
  quorvel::BufferHost host(row.input);
  EXPECT_EQ(quorvel::BalanceEquation(host), row.result);
  EXPECT_EQ(host.EquationText(), row.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BalanceEquationTest,
    testing::Values(
        BalanceRow{{"water_with_spaces"}, U"H2 + O2 = H2O", U"H2+O2=H2O", U"2H2+O2=2H2O"},
        BalanceRow{{"rust"}, U"Fe+O2=Fe2O3", U"Fe+O2=Fe2O3", U"4Fe+3O2=2Fe2O3"},
        BalanceRow{{"methane"}, U"CH4+O2=CO2+H2O", U"CH4+O2=CO2+H2O", U"CH4+2O2=CO2+2H2O"},
        BalanceRow{
            {"typed_coefficients_are_formula"}, U"2H2+O2=2H2O", U"2H2+O2=2H2O", U"22H2+O2=22H2O"},
        BalanceRow{{"only_first_digit_read"},
                   U"C12H22O11+O2=CO2+H2O",
                   U"C12H22O11+O2=CO2+H2O",
                   U"C12H22O11+O2=CO2+H2O"},
        BalanceRow{{"unbalanceable_compound_gets_zero"},
                   U"H2+O2+N2=H2O",
                   U"H2+O2+N2=H2O",
                   U"2H2+O2+0N2=2H2O"},
        BalanceRow{{"hyphen_arrow"}, U"H2+O2->H2O", U"H2+O2=>H2O", U"2H2+O2=2>H2O"},
        BalanceRow{{"empty_reactant"}, U"=H2O", U"=H2O", U"2=0H2O"},
        BalanceRow{{"no_equals_first_character_replaced"}, U"2+H2", U"2+H2", U"=2+0H2"},
        BalanceRow{
            {"first_candidate"}, U"HCl+NaOH=NaCl+H2O", U"HCl+NaOH=NaCl+H2O", U"HCl+NaOH=NaCl+H2O"},
        BalanceRow{{"below_first_candidate"}, U"C+N2+O2=CO2", U"C+N2+O2=CO2", U"2C+0N2+2O2=2CO2"},
        BalanceRow{{"group"},
                   U"Ca(OH)2+HCl=CaCl2+H2O",
                   U"Ca(OH)2+HCl=CaCl2+H2O",
                   U"Ca(OH)2+2HCl=CaCl2+2H2O"},
        BalanceRow{{"doubled_equals"}, U"H2+O2==H2O", U"H2+O2=H2O", U"2H2+O2=2H2O"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    NonAscii, BalanceEquationTest,
    testing::Values(BalanceRow{{"full_width_signs"},
                               U"\uFF08NH4\uFF092SO4 \uFF0B NaOH = Na2SO4+NH3+H2O",
                               U"(NH4)2SO4+NaOH=Na2SO4+NH3+H2O",
                               U"(NH4)2SO4+2NaOH=Na2SO4+2NH3+2H2O"},
                    BalanceRow{{"chinese_compound"},
                               U"\u6C34 + H2 = H2\u6C34",
                               U"\u6C34+H2=H2\u6C34",
                               U"\u6C34+H2=H2\u6C34"},
                    // The Chinese character after O adds nothing, so O2 must get the 0.
                    BalanceRow{{"chinese_after_symbol"},
                               U"H2+O2=H2O\u6C34",
                               U"H2+O2=H2O\u6C34",
                               U"2H2+0O2=2H2O\u6C34"},
                    BalanceRow{{"full_width_digit"},
                               U"H\uFF12+O2=H2O",
                               U"H\uFF12+O2=H2O",
                               U"2H\uFF12+0O2=0H2O"},
                    BalanceRow{{"outside_bmp_after_symbol"},
                               U"H2+O2=H2O\U0001F600",
                               U"H2+O2=H2O\U0001F600",
                               U"2H2+0O2=2H2O\U0001F600"},
                    // Low bits "+", "=" and "2": none of them acts like one.
                    BalanceRow{{"outside_bmp_look_alikes"},
                               U"H\U00010032\U0001002BH2=H2",
                               U"H\U00010032\U0001002BH2=H2",
                               U"H\U00010032\U0001002BH2=H2"}),
    RowName());

struct FailureRow : Row {
  Text input;
  FailureKind kind;
};

class BalanceFailureTest : public testing::TestWithParam<FailureRow> {};

TEST_P(BalanceFailureTest, FailsWithTheNormalisedTextLeftBehind) {
  const FailureRow& row = GetParam();
  quorvel::BufferHost host(row.input);
  host.SetMatrixText(U"stale");
  ExpectFailure([&] { quorvel::BalanceEquation(host); }, row.kind);
  quorvel::BufferHost normalised(row.input);
  quorvel::NormalizeEquation(normalised);
  EXPECT_EQ(host.EquationText(), normalised.EquationText());
  EXPECT_NE(host.MatrixText().substr(0, 5), U"stale");
}

INSTANTIATE_TEST_SUITE_P(
    Table, BalanceFailureTest,
    testing::Values(
        FailureRow{{"no_equals"}, U"H2O", FailureKind::kNoCoefficients},
        FailureRow{{"full_width_equals"}, U"H2+O2\uFF1DH2O", FailureKind::kNoCoefficients},
        FailureRow{{"arrow_character"}, U"H2+O2\u2192H2O", FailureKind::kNoCoefficients},
        FailureRow{{"two_equals"}, U"A=B=C", FailureKind::kNoCoefficients},
        FailureRow{{"no_symbol"}, U"12 + 3 = 4", FailureKind::kNoElementSymbol},
        FailureRow{{"empty"}, U"", FailureKind::kNoElementSymbol},
        FailureRow{{"chinese_only"}, U"\u6C34\uFF0B\u76D0=\u6C34", FailureKind::kNoElementSymbol},
        FailureRow{{"ten_compounds"}, U"H+H+H+H+H=H+H+H+H+H", FailureKind::kTooManyCompounds},
        FailureRow{{"row_sum_overflow"},
                   Repeat(U"H9", 3640) + U"+" + Repeat(U"H9", 3640) + U"=H2",
                   FailureKind::kOverflow},
        FailureRow{{"reactants_32768"}, Repeat(U"H+", 32767) + U"H=H", FailureKind::kOverflow}),
    RowName());

TEST(BalanceYieldTest, RunsWithoutSearchYieldEighteenTimes) {
  for (const Text input : {U"12=3", U"H+H+H+H+H=H+H+H+H+H"}) {
    quorvel::BufferHost host(input);
    EXPECT_THROW(quorvel::BalanceEquation(host), BalanceFailure);
    EXPECT_EQ(host.yields(), 18);
  }
}

TEST(BalanceClosingTest, ClosingDuringNormalisationLeavesTheMatrixAlone) {
  RecordingHost host(U"H2 + O2 = H2O", 5);
  host.SetMatrixText(U"previous");
  EXPECT_THROW(quorvel::BalanceEquation(host), quorvel::BalanceAbandoned);
  EXPECT_EQ(host.yields(), 5);
  EXPECT_EQ(host.MatrixText(), U"previous");
}

TEST(BalanceClosingTest, ClosingDuringTheSearchAbandonsIt) {
  // Nine compounds and no balance: the longest search there is.
  RecordingHost host(U"H+H+H+H+H+H+H+H+H", 19);
  std::optional<Text> result;
  try {
    result = quorvel::BalanceEquation(host);
  } catch (const quorvel::BalanceAbandoned&) {
  }
  if (host.yields() >= 19) {
    EXPECT_FALSE(result) << "the host was closing, yet a result came back";
    EXPECT_EQ(host.yields_after_closing(), 0);
  }
  EXPECT_EQ(host.MatrixText(), U"-1    -1    -1    -1    -1    -1    -1    -1    -1    \r\n");
}

}  // namespace
}  // namespace quorvel_test
