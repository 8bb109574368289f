// Input nobody should type but anybody can paste: each answered the way the
// engine's reading rules answer it, without a crash, a hang or lost text.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "quorvel/elements.h"
#include "quorvel/pipeline.h"
#include "test_support.h"

namespace {

using quorvel::BalanceFailure;
using quorvel::FailureKind;
using quorvel::Text;
using quorvel_test::Repeat;
using quorvel_test::RowName;

constexpr std::size_t kMegabyte = 1 << 20;

// Every symbol the scanner can list: each start character alone and with
// each continuation.
Text EverySymbol() {
  Text out;
  for (char32_t start = quorvel::kFirstSymbolStart; start <= quorvel::kLastSymbolStart; ++start) {
    out.push_back(start);
    for (char32_t next = quorvel::kFirstSymbolContinuation;
         next <= quorvel::kLastSymbolContinuation; ++next) {
      out += Text{start, next};
    }
  }
  return out;
}

Text Fields(const Text& field, std::size_t times) { return Repeat(field + U"    ", times); }

// Inputs are built when the row runs, not when the table is made: several are
// a megabyte long.
struct BadInputRow {
  const char* name;
  std::function<Text()> input;
  // The balanced equation, or nullopt for the failure text.
  std::function<std::optional<Text>()> result;
  std::optional<FailureKind> failure;
  // What the input box holds afterwards: the normalised text.
  std::function<Text()> normalised;
  // The matrix text, when the row pins it down.
  std::function<std::optional<Text>()> matrix;
};

std::ostream& operator<<(std::ostream& out, const BadInputRow& row) { return out << row.name; }

std::function<Text()> Fixed(Text text) {
  return [text] { return text; };
}
std::function<std::optional<Text>()> Balanced(std::function<Text()> make) {
  return [make] { return std::optional<Text>(make()); };
}
std::function<std::optional<Text>()> Fails() {
  return [] { return std::optional<Text>(); };
}
std::function<std::optional<Text>()> AnyMatrix() {
  return [] { return std::optional<Text>(); };
}
std::function<std::optional<Text>()> Matrix(std::function<Text()> make) {
  return [make] { return std::optional<Text>(make()); };
}

class BadInput : public testing::TestWithParam<BadInputRow> {};

TEST_P(BadInput, IsAnsweredByTheReadingRules) {
  const BadInputRow& row = GetParam();
  quorvel::BufferHost host(row.input());
  std::optional<Text> result;
  std::optional<FailureKind> failure;
  try {
    result = quorvel::BalanceEquation(host);
  } catch (const BalanceFailure& caught) {
    failure = caught.kind();
  }

  const std::optional<Text> expected = row.result();
  if (expected) {
    ASSERT_TRUE(result.has_value()) << "failed: " << quorvel::Describe(*failure);
    EXPECT_TRUE(*result == *expected) << "got " << quorvel::EncodeUtf8(result->substr(0, 200));
  } else {
    ASSERT_FALSE(result.has_value()) << quorvel::EncodeUtf8(result->substr(0, 200));
    EXPECT_EQ(failure, row.failure) << quorvel::Describe(*failure);
  }
  EXPECT_TRUE(host.EquationText() == row.normalised())
      << "normalised to " << quorvel::EncodeUtf8(host.EquationText().substr(0, 200));
  if (const std::optional<Text> matrix = row.matrix()) {
    EXPECT_EQ(host.MatrixText().size(), matrix->size());
    EXPECT_TRUE(host.MatrixText() == *matrix)
        << "matrix " << quorvel::EncodeUtf8(host.MatrixText().substr(0, 200));
  }
}

const Text kNul(1, U'\0');

INSTANTIATE_TEST_SUITE_P(
    Sizes, BadInput,
    testing::Values(
        BadInputRow{"empty", Fixed(U""), Fails(), FailureKind::kNoElementSymbol, Fixed(U""),
                    Matrix(Fixed(U""))},
        BadInputRow{"spaces_only", Fixed(Repeat(U" ", 1000)), Fails(),
                    FailureKind::kNoElementSymbol, Fixed(U""), Matrix(Fixed(U""))},
        BadInputRow{"megabyte_of_spaces_around_an_equation",
                    [] { return Repeat(U" ", kMegabyte) + U"H2 + O2 = H2O" + Repeat(U" ", 9); },
                    Balanced(Fixed(U"2H2+O2=2H2O")), std::nullopt, Fixed(U"H2+O2=H2O"),
                    Matrix(Fixed(U"2    0    -2    \r\n0    2    -1    \r\n"))},
        // 104,857 copies: 314,571 compounds, far past the nine a search takes;
        // the matrix is still written in full first.
        BadInputRow{"megabyte_of_equations", [] { return Repeat(U"H2+O2=H2O+", kMegabyte / 10); },
                    Fails(), FailureKind::kTooManyCompounds,
                    [] { return Repeat(U"H2+O2=H2O+", kMegabyte / 10); }, Matrix([] {
                      const std::size_t copies = kMegabyte / 10;
                      // Two reactants, then every compound is a product; the
                      // trailing "+" leaves an empty last compound.
                      return U"2    0    -2    " + Repeat(U"-2    0    -2    ", copies - 1) +
                             U"0    \r\n" + U"0    2    -1    " +
                             Repeat(U"0    -2    -1    ", copies - 1) + U"0    \r\n";
                    })},
        BadInputRow{"megabyte_formula_reaches_the_cap",
                    [] { return Repeat(U"H", kMegabyte) + U"=H"; }, Fails(), FailureKind::kOverflow,
                    [] { return Repeat(U"H", kMegabyte) + U"=H"; },
                    Matrix(Fixed(U"32767    -1    \r\n"))},
        // A power of two: eight halvings leave 4,096 signs, 4,097 compounds.
        BadInputRow{"megabyte_of_equals_signs",
                    [] { return U"H2" + Repeat(U"=", kMegabyte) + U"H2"; }, Fails(),
                    FailureKind::kTooManyCompounds,
                    [] { return U"H2" + Repeat(U"=", kMegabyte / 256) + U"H2"; },
                    Matrix([] { return U"2    " + Fields(U"0", 4095) + U"-2    \r\n"; })},
        BadInputRow{"megabyte_of_chinese", Fixed(Repeat(U"\u6C34", kMegabyte)), Fails(),
                    FailureKind::kNoElementSymbol, Fixed(Repeat(U"\u6C34", kMegabyte)),
                    Matrix(Fixed(U""))},
        // 837 symbols x 65,537 compounds would be a matrix text of over 270
        // million characters for 67 KB of input: the failure comes without it.
        BadInputRow{"every_symbol_times_many_compounds",
                    [] { return EverySymbol() + U"=" + Repeat(U"+", 65536); }, Fails(),
                    FailureKind::kTooManyCompounds,
                    [] { return EverySymbol() + U"=" + Repeat(U"+", 65536); }, Matrix(Fixed(U""))},
        BadInputRow{"hundred_thousand_compounds", [] { return Repeat(U"H2+", 99999) + U"H2"; },
                    Fails(), FailureKind::kTooManyCompounds,
                    [] { return Repeat(U"H2+", 99999) + U"H2"; },
                    // No "=": every compound is a product.
                    Matrix([] { return Fields(U"-2", 100000) + U"\r\n"; })}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Counts, BadInput,
    testing::Values(
        BadInputRow{"nine_compounds_balance", Fixed(Repeat(U"H2+", 7) + U"H2=H2"),
                    Balanced(Fixed(Repeat(U"H2+", 7) + U"H2=8H2")), std::nullopt,
                    Fixed(Repeat(U"H2+", 7) + U"H2=H2"),
                    Matrix(Fixed(Fields(U"2", 8) + U"-2    \r\n"))},
        BadInputRow{
            "nine_compounds_without_solution", Fixed(Repeat(U"H2+", 7) + U"H2=O2"), Fails(),
            FailureKind::kNoCoefficients, Fixed(Repeat(U"H2+", 7) + U"H2=O2"),
            Matrix(Fixed(Fields(U"2", 8) + U"0    \r\n" + Fields(U"0", 8) + U"-2    \r\n"))},
        BadInputRow{"ten_compounds", Fixed(Repeat(U"H2+", 8) + U"H2=H2"), Fails(),
                    FailureKind::kTooManyCompounds, Fixed(Repeat(U"H2+", 8) + U"H2=H2"),
                    Matrix(Fixed(Fields(U"2", 9) + U"-2    \r\n"))},
        BadInputRow{"eleven_compounds", Fixed(Repeat(U"H2+", 9) + U"H2=H2"), Fails(),
                    FailureKind::kTooManyCompounds, Fixed(Repeat(U"H2+", 9) + U"H2=H2"),
                    Matrix(Fixed(Fields(U"2", 10) + U"-2    \r\n"))},
        // 300 -> 150 -> 75 -> 38 -> 19 -> 10 -> 5 -> 3 -> 2: an empty compound
        // stays between the two signs and gets the digit 0.
        BadInputRow{"run_of_300_equals", Fixed(U"H2+O2" + Repeat(U"=", 300) + U"H2O"),
                    Balanced(Fixed(U"2H2+O2=0+2H2O")), std::nullopt, Fixed(U"H2+O2==H2O"),
                    Matrix(Fixed(U"2    0    0    -2    \r\n0    2    0    -1    \r\n"))},
        BadInputRow{"run_of_256_equals", Fixed(U"H2+O2" + Repeat(U"=", 256) + U"H2O"),
                    Balanced(Fixed(U"2H2+O2=2H2O")), std::nullopt, Fixed(U"H2+O2=H2O"),
                    AnyMatrix()},
        BadInputRow{"reactants_32768", [] { return Repeat(U"H+", 32767) + U"H=H"; }, Fails(),
                    FailureKind::kOverflow, [] { return Repeat(U"H+", 32767) + U"H=H"; },
                    Matrix(Fixed(U""))},
        BadInputRow{"reactants_32767", [] { return Repeat(U"H+", 32766) + U"H=H"; }, Fails(),
                    FailureKind::kTooManyCompounds, [] { return Repeat(U"H+", 32766) + U"H=H"; },
                    Matrix([] { return Fields(U"1", 32767) + U"-1    \r\n"; })},
        BadInputRow{
            "atom_count_exactly_at_the_cap",
            [] { return Repeat(U"H9", 3640) + U"H7=" + Repeat(U"H9", 3640) + U"H7"; },
            Balanced([] { return Repeat(U"H9", 3640) + U"H7=" + Repeat(U"H9", 3640) + U"H7"; }),
            std::nullopt, [] { return Repeat(U"H9", 3640) + U"H7=" + Repeat(U"H9", 3640) + U"H7"; },
            Matrix(Fixed(U"32767    -32767    \r\n"))},
        // The additions that would pass the cap are skipped; the last H adds 1.
        BadInputRow{
            "atom_count_past_the_cap",
            [] { return Repeat(U"H9", 3700) + U"H=" + Repeat(U"H9", 3641) + U"H"; },
            Balanced([] { return Repeat(U"H9", 3700) + U"H=" + Repeat(U"H9", 3641) + U"H"; }),
            std::nullopt, [] { return Repeat(U"H9", 3700) + U"H=" + Repeat(U"H9", 3641) + U"H"; },
            Matrix(Fixed(U"32761    -32761    \r\n"))},
        // 2 x 32767 leaves 16 bits before any candidate balances.
        BadInputRow{"digit_times_the_cap_overflows", [] { return Repeat(U"H9", 3640) + U"H7=H"; },
                    Fails(), FailureKind::kOverflow, [] { return Repeat(U"H9", 3640) + U"H7=H"; },
                    Matrix(Fixed(U"32767    -1    \r\n"))}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Characters, BadInput,
    testing::Values(
        // No ")": the group has no factor.
        BadInputRow{
            "hundred_thousand_open_parentheses", [] { return Repeat(U"(", 100000) + U"H2=H2"; },
            Balanced([] { return Repeat(U"(", 100000) + U"H2=H2"; }), std::nullopt,
            [] { return Repeat(U"(", 100000) + U"H2=H2"; }, Matrix(Fixed(U"2    -2    \r\n"))},
        BadInputRow{
            "hundred_thousand_close_parentheses", [] { return Repeat(U")", 100000) + U"H2=H2"; },
            Balanced([] { return Repeat(U")", 100000) + U"H2=H2"; }), std::nullopt,
            [] { return Repeat(U")", 100000) + U"H2=H2"; }, Matrix(Fixed(U"2    -2    \r\n"))},
        // The first ")" is followed by ")", not a digit: no factor, and the H
        // followed by ")" adds 1.
        BadInputRow{
            "deeply_nested_group",
            [] { return Repeat(U"(", 50000) + U"H" + Repeat(U")", 50000) + U"2=H2"; }, Balanced([] {
              return U"2" + Repeat(U"(", 50000) + U"H" + Repeat(U")", 50000) + U"2=H2";
            }),
            std::nullopt, [] { return Repeat(U"(", 50000) + U"H" + Repeat(U")", 50000) + U"2=H2"; },
            Matrix(Fixed(U"1    -2    \r\n"))},
        BadInputRow{"long_runs_of_parentheses_without_symbols",
                    [] { return Repeat(U"()", 100000) + U"=" + Repeat(U")(", 100000); }, Fails(),
                    FailureKind::kNoElementSymbol,
                    [] { return Repeat(U"()", 100000) + U"=" + Repeat(U")(", 100000); },
                    Matrix(Fixed(U""))},
        // A NUL after the last O is "other": that O adds nothing.
        BadInputRow{"nul_at_the_end", Fixed(U"H2+O2=H2O" + kNul),
                    Balanced(Fixed(U"2H2+0O2=2H2O" + kNul)), std::nullopt,
                    Fixed(U"H2+O2=H2O" + kNul),
                    Matrix(Fixed(U"2    0    -2    \r\n0    2    0    \r\n"))},
        BadInputRow{"nul_after_a_symbol", Fixed(U"H" + kNul + U"2+O2=H2O"),
                    Balanced(Fixed(U"2H" + kNul + U"2+0O2=0H2O")), std::nullopt,
                    Fixed(U"H" + kNul + U"2+O2=H2O"), AnyMatrix()},
        BadInputRow{"tab_after_a_symbol", Fixed(U"H\t2 + O2 = H2O"),
                    Balanced(Fixed(U"2H\t2+0O2=0H2O")), std::nullopt, Fixed(U"H\t2+O2=H2O"),
                    Matrix(Fixed(U"0    0    -2    \r\n0    2    -1    \r\n"))},
        BadInputRow{"control_characters_between_formulas", Fixed(U"\x01H2\x1F+O2\x7F=H2O\r\n"),
                    // The O of H2O is followed by CR: that O adds nothing.
                    Balanced(Fixed(U"2\x01H2\x1F+0O2\x7F=2H2O\r\n")), std::nullopt,
                    Fixed(U"\x01H2\x1F+O2\x7F=H2O\r\n"), AnyMatrix()},
        BadInputRow{"chinese_text", Fixed(U"\u6C22\u6C14 + \u6C27\u6C14 = \u6C34"), Fails(),
                    FailureKind::kNoElementSymbol, Fixed(U"\u6C22\u6C14+\u6C27\u6C14=\u6C34"),
                    Matrix(Fixed(U""))},
        // Only the full-width plus sign is made ASCII; the letters, digits and
        // equals sign stay full-width and start nothing.
        BadInputRow{
            "full_width_equation", Fixed(U"\uFF28\uFF12\uFF0B\uFF2F\uFF12\uFF1D\uFF28\uFF12\uFF2F"),
            Fails(), FailureKind::kNoElementSymbol,
            Fixed(U"\uFF28\uFF12+\uFF2F\uFF12\uFF1D\uFF28\uFF12\uFF2F"), Matrix(Fixed(U""))},
        BadInputRow{"full_width_letter_among_ascii",
                    Fixed(U"\uFF28"
                          U"2+O2=H2O"),
                    Balanced(Fixed(U"2\uFF28"
                                   U"2+0O2=0H2O")),
                    std::nullopt,
                    Fixed(U"\uFF28"
                          U"2+O2=H2O"),
                    // O stands first among the ASCII symbols.
                    Matrix(Fixed(U"0    2    -1    \r\n0    0    -2    \r\n"))}),
    RowName());

}  // namespace
