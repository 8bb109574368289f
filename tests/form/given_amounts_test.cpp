// The 已知 box read as --given reads its amounts: the ways students separate
// them, and the console's own errors for what does not fit.
#include "form/given_amounts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel::form {
namespace {

TEST(GivenAmounts, ReadsTheWaysAmountsAreTyped) {
  struct Case {
    const char* text;
    std::vector<std::string> formulas;
    std::vector<std::string> values;  // as decimals, in their units
  };
  const Case cases[] = {
      {"KMnO4 31.6g", {"KMnO4"}, {"31.6"}},
      {"KMnO4=31.6g", {"KMnO4"}, {"31.6"}},
      {"KMnO4 = 31.6 g", {"KMnO4"}, {"31.6"}},
      {"KMnO4＝31.6g", {"KMnO4"}, {"31.6"}},
      {"H2 4g O2 40g", {"H2", "O2"}, {"4", "40"}},
      {"H2\u30004g\u3000O2\u300040g", {"H2", "O2"}, {"4", "40"}},
      {"H2 4g，O2 40g", {"H2", "O2"}, {"4", "40"}},
      {"H2=4g, O2=2 mol", {"H2", "O2"}, {"4", "2"}},
      {"  ", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const GivenAmounts read = ReadGivenAmounts(c.text);
    EXPECT_EQ(read.error, "");
    ASSERT_EQ(read.amounts.size(), c.formulas.size());
    for (std::size_t i = 0; i < c.formulas.size(); ++i) {
      EXPECT_EQ(read.amounts[i].formula, c.formulas[i]);
      EXPECT_EQ(chemistry::FormatDecimal(read.amounts[i].value), c.values[i]);
    }
  }
  EXPECT_EQ(ReadGivenAmounts("O2 2 mol").amounts.at(0).unit, chemistry::MassUnit::kMole);
  EXPECT_EQ(ReadGivenAmounts("O2 2kg").amounts.at(0).unit, chemistry::MassUnit::kKilogram);
}

TEST(GivenAmounts, WhatDoesNotFitIsToldAsTheConsoleTellsIt) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"KMnO4", "KMnO4：应写作 物质=数量，如 KMnO4=31.6g"},
      {"31.6g", "31.6g：应写作 物质=数量，如 KMnO4=31.6g"},
      {"H2 4g 5g", "5g：应写作 物质=数量，如 KMnO4=31.6g"},
      {"H2 O2 4g", "H2：应写作 物质=数量，如 KMnO4=31.6g"},
      {"H2 4 t", "H2=4 t：单位应为 g、kg、mg 或 mol"},
      {"H2 -4g", "H2=-4g：数量必须大于 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const GivenAmounts read = ReadGivenAmounts(c.text);
    EXPECT_EQ(read.error, c.error);
    EXPECT_TRUE(read.amounts.empty());
  }
}

}  // namespace
}  // namespace quorvel::form
