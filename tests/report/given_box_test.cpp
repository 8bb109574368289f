// The 已知 box read as students type it, in the windows and on the page alike,
// and refused as --given refuses, naming the item as it was typed.
#include "quorvel/report/given_box.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvel::report {
namespace {

using chemistry::GivenError;
using chemistry::MassUnit;
using chemistry::Rational;

struct Row {
  const char* name;
  std::string text;
  std::vector<std::string> formulas;  // read, in order; empty on an error
  std::vector<Rational> values;
  std::vector<MassUnit> units;
  GivenError error = GivenError::kNone;
  std::string subject;  // the item the error names
};

Row Read(const char* name, std::string text, std::vector<std::string> formulas,
         std::vector<Rational> values, std::vector<MassUnit> units) {
  return {name,
          std::move(text),
          std::move(formulas),
          std::move(values),
          std::move(units),
          GivenError::kNone,
          ""};
}

Row Refused(const char* name, std::string text, GivenError error, std::string subject) {
  return {name, std::move(text), {}, {}, {}, error, std::move(subject)};
}

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class GivenBoxTest : public testing::TestWithParam<Row> {};

TEST_P(GivenBoxTest, ReadsAsTyped) {
  const Row& row = GetParam();
  const GivenBox box = ReadGivenBox(row.text);
  EXPECT_EQ(box.error, row.error);
  EXPECT_EQ(box.error_subject, row.subject);
  ASSERT_EQ(box.amounts.size(), row.formulas.size());
  for (std::size_t k = 0; k < box.amounts.size(); ++k) {
    EXPECT_EQ(box.amounts[k].formula, row.formulas[k]);
    EXPECT_EQ(box.amounts[k].value, row.values[k]);
    EXPECT_EQ(box.amounts[k].unit, row.units[k]);
  }
}

const Rational k31_6{158, 5};
constexpr MassUnit kG = MassUnit::kGram;
constexpr MassUnit kMol = MassUnit::kMole;

INSTANTIATE_TEST_SUITE_P(
    Box, GivenBoxTest,
    testing::Values(
        Read("space", "KMnO4 31.6g", {"KMnO4"}, {k31_6}, {kG}),
        Read("equals_as_the_console", "KMnO4=31.6g", {"KMnO4"}, {k31_6}, {kG}),
        Read("equals_spaced_unit_apart", "KMnO4 = 31.6 g", {"KMnO4"}, {k31_6}, {kG}),
        Read("full_width_equals", "KMnO4＝31.6g", {"KMnO4"}, {k31_6}, {kG}),
        Read("full_width_colon", "KMnO4：31.6 g", {"KMnO4"}, {k31_6}, {kG}),
        Read("hydrate_keeps_its_dot", "CuSO4·5H2O 25 g", {"CuSO4·5H2O"}, {25}, {kG}),
        Read("two_on_one_line", "H2 4g O2 40g", {"H2", "O2"}, {4, 40}, {kG, kG}),
        Read("ideographic_spaces", "H2\u30004g\u3000O2\u300040g", {"H2", "O2"}, {4, 40}, {kG, kG}),
        Read("commas_of_both_widths_and_kg", "H2 2 mol，O2 16g, N2 1kg", {"H2", "O2", "N2"},
             {2, 16, 1}, {kMol, kG, MassUnit::kKilogram}),
        Read("semicolons_and_line_ends", "H2=4g；O2=2 mol\nN2 1g", {"H2", "O2", "N2"}, {4, 2, 1},
             {kG, kMol, kG}),
        Read("blank_box", " ; \n ", {}, {}, {}),
        Refused("formula_alone", "KMnO4", GivenError::kMalformed, "KMnO4"),
        Refused("amount_alone", "31.6g", GivenError::kMalformed, "31.6g"),
        Refused("second_amount_for_one_formula", "H2 4g 5g", GivenError::kMalformed, "5g"),
        Refused("formula_without_amount_before_another", "H2 O2 4g", GivenError::kMalformed, "H2"),
        Refused("one_bad_item_refuses_the_box", "H2 2g, O2", GivenError::kMalformed, "O2"),
        Refused("number_touching_the_formula_is_not_guessed_at", "KMnO431.6g",
                GivenError::kMalformed, "KMnO431.6g"),
        Refused("negative", "KMnO4 -3g", GivenError::kNotPositive, "KMnO4 -3g"),
        Refused("unknown_unit_apart", "H2 3 lb", GivenError::kUnknownUnit, "H2 3 lb"),
        Refused("unknown_unit_after_a_good_item", "O2 1g，H2=4t", GivenError::kUnknownUnit,
                "H2=4t")),
    [](const testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quorvel::report
