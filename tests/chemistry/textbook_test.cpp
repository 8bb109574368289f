// Equations as Chinese textbooks print them and students type them: the
// answer a chemist gives, and the note that says how an ambiguous line was
// read. Notes are looked for among the others, which may grow.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "quorvel/chemistry.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

struct TextbookRow : Row {
  const char* equation;
  const char* result;  // empty when it is refused
  const char* note;    // one of the notes; empty when none is looked for
};

class TextbookTest : public testing::TestWithParam<TextbookRow> {};

TEST_P(TextbookTest, BalancesAsAChemistWould) {
  const TextbookRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(answer.result, row.result) << answer.error;
  if (*row.note != '\0') {
    EXPECT_NE(std::find(answer.notes.begin(), answer.notes.end(), row.note), answer.notes.end())
        << (answer.notes.empty() ? "no notes" : answer.notes.front());
  }
}

INSTANTIATE_TEST_SUITE_P(
    ChargesWithoutSuperscripts, TextbookTest,
    testing::Values(
        TextbookRow{{"dichromate_and_iron"},
                    "Cr2O72- + Fe2+ + H+ = Cr3+ + Fe3+ + H2O",
                    "Cr2O72- + 6Fe2+ + 14H+ = 2Cr3+ + 6Fe3+ + 7H2O",
                    "Cr2O72- is read as Cr2O7 with charge 2-; for Cr2O72 with charge 1-, write "
                    "Cr2O72^-"},
        TextbookRow{{"permanganate_and_sulfite"},
                    "MnO4- + SO32- + H+ = Mn2+ + SO42- + H2O",
                    "2MnO4- + 5SO32- + 6H+ = 2Mn2+ + 5SO42- + 3H2O",
                    "SO32- is read as SO3 with charge 2-; for SO32 with charge 1-, write SO32^-"},
        TextbookRow{{"precipitate"}, "Ba2+ + SO42- = BaSO4↓", "Ba2+ + SO42- = BaSO4↓", ""},
        TextbookRow{{"prussian_blue"},
                    "Fe3+ + Fe(CN)64- = Fe4[Fe(CN)6]3",
                    "4Fe3+ + 3Fe(CN)64- = Fe4[Fe(CN)6]3",
                    ""},
        TextbookRow{{"peroxide"},
                    "O22- + H+ = H2O2",
                    "O22- + 2H+ = H2O2",
                    "O22- is read as O2 with charge 2-; for O22 with charge 1-, write O22^-"},
        TextbookRow{{"final_zero_names_no_other_reading"},
                    "C60 + e- = C60-",
                    "C60 + e- = C60-",
                    "C60- is read as C60 with charge 1-"},
        TextbookRow{{"large_last_digit_names_the_charge_reading"},
                    "C8H18 = C8H18+ + e-",
                    "C8H18 = C8H18+ + e-",
                    "C8H18+ is read as C8H18 with charge 1+; for C8H1 with charge 8+, write "
                    "C8H1^8+"}),
    RowName());

}  // namespace
}  // namespace quorvel::chemistry
