// The matrix counts every element of a compound in one walk; the counting
// rules followed literally, one element at a time, are the reference it must
// agree with entry by entry.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "literal_count.h"
#include "quorvel/search.h"
#include "test_support.h"

namespace {

using quorvel::CompoundList;
using quorvel::ElementList;
using quorvel::Text;
using quorvel_test::Repeat;
using quorvel_test::RowName;

void ExpectMatchesTheCountingRules(const CompoundList& compounds, std::int16_t reactants,
                                   const ElementList& elements) {
  const quorvel::CompositionMatrix matrix = quorvel::BuildMatrix(compounds, reactants, elements);
  ASSERT_EQ(matrix.compounds(), static_cast<int>(compounds.size()));
  ASSERT_EQ(matrix.elements(), elements.empty() ? 0 : static_cast<int>(elements.size()) - 1);
  for (int c = 0; c < matrix.compounds(); ++c) {
    for (int e = 1; e <= matrix.elements(); ++e) {
      const Text& compound = compounds[static_cast<std::size_t>(c)];
      const Text& symbol = elements[static_cast<std::size_t>(e)];
      const int count = quorvel::reference::CountAtoms(compound, symbol);
      EXPECT_EQ(matrix.At(c, e), c < reactants ? count : -count)
          << "symbol " << quorvel::EncodeUtf8(symbol) << " in "
          << quorvel::EncodeUtf8(compound.substr(0, 80));
    }
  }
}

ElementList Collected(const CompoundList& compounds) {
  Text all;
  for (const Text& compound : compounds) all += compound + U"+";
  ElementList elements;
  quorvel::CollectElements(all, elements);
  return elements;
}

struct MatrixRow {
  const char* name;
  CompoundList compounds;
  std::int16_t reactants;
  // Extra symbols after the scanned ones: repeats and shapes the scanner never
  // lists must still get the numbers of the counting rules.
  std::vector<Text> extra_symbols;
};

std::ostream& operator<<(std::ostream& out, const MatrixRow& row) { return out << row.name; }

class OnePassMatrix : public testing::TestWithParam<MatrixRow> {};

TEST_P(OnePassMatrix, AgreesWithTheCountingRules) {
  const MatrixRow& row = GetParam();
  ElementList elements = Collected(row.compounds);
  if (elements.empty() && !row.extra_symbols.empty()) elements.emplace_back();
  for (const Text& symbol : row.extra_symbols) elements.push_back(symbol);
  ExpectMatchesTheCountingRules(row.compounds, row.reactants, elements);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, OnePassMatrix,
    testing::Values(
        MatrixRow{"worked_examples",
                  {U"H2O", U"CO2", U"NaCl", U"CCl4", U"Ca(OH)2", U"Fe2(SO4)3", U"(NH4)2SO4",
                   U"K4Fe(CN)6", U"C12H22O11", U"P4O10", U"Cu2(OH)2CO3", U"Ca(CH3COO)2",
                   U"Co(NH3)4(NO2)2", U"Ca(OH)", U"CuSO4.5H2O", U"K3[Fe(CN)6]"},
                  8,
                  {}},
        MatrixRow{"groups_without_factor",
                  {U"Ca(OH)", U"Ca(OH)0", U"Ca(OH", U"Ca)OH(2", U"(OH)2H", U"(OH)2HO", U"()2H"},
                  3,
                  {}},
        // The first C is the C of Ca, before the group: the group's carbons
        // take no factor; the one-letter symbol's first occurrence decides.
        MatrixRow{"first_occurrence_inside_a_longer_symbol",
                  {U"Ca(CH3)2", U"(Ca)2C", U"(CaC)3", U"(Cl)2C(C)3"},
                  2,
                  {}},
        MatrixRow{"symbol_at_the_last_position", {U"NaCl", U"HCl", U"H", U"Cl", U"OH"}, 0, {}},
        MatrixRow{"signs_91_to_95", {U"[Fe(CN)6]", U"_b2\\3]^", U"[[[", U"^a(^b)4^"}, 2, {}},
        MatrixRow{"cap_reached", {Repeat(U"H9", 3700) + U"H", Repeat(U"(H9", 1000) + U")9"}, 1, {}},
        MatrixRow{"non_ascii_after_symbols",
                  {U"H\uFF12O", U"Na\u6C34Cl", U"O\U0001F600", U"H\u00B2"},
                  1,
                  {}},
        MatrixRow{"empty_compounds", {U"", U"H2", U"", U""}, 2, {}},
        MatrixRow{"symbols_the_scanner_never_lists",
                  {U"H2O", U"hH2", U"Uuo3", U"\uFF28\uFF12"},
                  2,
                  {U"H", U"", U"Uuo", U"h", U"\uFF28", U"2", U"(", U"O"}},
        MatrixRow{"no_compounds", {}, 0, {U"H"}}),
    RowName());

// Formulas drawn from the characters that steer the counter, with a fixed
// seed so that a failure repeats.
TEST(OnePassMatrixDrawn, AgreesWithTheCountingRulesOnDrawnFormulas) {
  const std::u32string alphabet = U"HHOCCaClNa()()0123456789[]_^\\abcxyz.+\uFF28\u6C34";
  std::mt19937 draw(20261207);
  for (int round = 0; round < 300; ++round) {
    CompoundList compounds;
    const int count = 1 + static_cast<int>(draw() % 6);
    for (int c = 0; c < count; ++c) {
      Text compound;
      const std::size_t length = draw() % 24;
      for (std::size_t i = 0; i < length; ++i)
        compound.push_back(alphabet[draw() % alphabet.size()]);
      compounds.push_back(compound);
    }
    const auto reactants = static_cast<std::int16_t>(draw() % (count + 1));
    SCOPED_TRACE("round " + std::to_string(round));
    ExpectMatchesTheCountingRules(compounds, reactants, Collected(compounds));
  }
}

struct MatrixTextRow {
  const char* name;
  std::vector<std::vector<std::int16_t>> rows;  // one per element
  Text text;
};

std::ostream& operator<<(std::ostream& out, const MatrixTextRow& row) { return out << row.name; }

class MatrixText : public testing::TestWithParam<MatrixTextRow> {};

TEST_P(MatrixText, IsOneLinePerElementAndOneFieldPerCompound) {
  const MatrixTextRow& row = GetParam();
  const int compounds = row.rows.empty() ? 0 : static_cast<int>(row.rows[0].size());
  quorvel::CompositionMatrix matrix(compounds, static_cast<int>(row.rows.size()));
  for (std::size_t e = 0; e < row.rows.size(); ++e) {
    for (std::size_t c = 0; c < row.rows[e].size(); ++c) {
      matrix.Set(static_cast<int>(c), static_cast<int>(e) + 1, row.rows[e][c]);
    }
  }
  EXPECT_TRUE(quorvel::FormatMatrixText(matrix) == row.text)
      << quorvel::EncodeUtf8(quorvel::FormatMatrixText(matrix));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MatrixText,
    testing::Values(MatrixTextRow{"water",
                                  {{2, 0, -2}, {0, 2, -1}},
                                  U"2    0    -2    \r\n0    2    -1    \r\n"},
                    MatrixTextRow{"extremes",
                                  {{32767, -32767, -32768, 10, -10, 0}},
                                  U"32767    -32767    -32768    10    -10    0    \r\n"},
                    MatrixTextRow{"no_elements", {}, U""},
                    MatrixTextRow{"no_compounds", {{}, {}}, U"\r\n\r\n"}),
    RowName());

}  // namespace
