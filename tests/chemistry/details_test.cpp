// The details of balanced answers against textbook examples: states, masses,
// bridges, reaction types and amounts, field by field; and over random
// balanced equations, electrons lost equal electrons gained and mass is kept.

#include "quorvel/chemistry/details.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "details/small_fraction.h"
#include "quorvel/chemistry.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

Details DetailsOf(const std::string& equation, const std::vector<GivenAmount>& given = {}) {
  const Answer answer = Balance(equation);
  EXPECT_TRUE(answer.ok()) << equation << ": " << answer.error;
  DetailsResult result = Describe(answer, given);
  EXPECT_TRUE(result.details) << equation;
  return result.details ? std::move(*result.details) : Details{};
}

// "K +1, Mn +7, O -2", several states of an element joined by "/": "N -3/+5".
std::string StatesText(const SpeciesDetails& species) {
  if (species.oxidation_states.empty()) return "undecided";
  std::string out;
  for (const ElementStates& element : species.oxidation_states) {
    out += (out.empty() ? "" : ", ") + element.symbol + " ";
    for (std::size_t i = 0; i < element.states.size(); ++i) {
      out += (i == 0 ? "" : "/") + FormatState(element.states[i]);
    }
  }
  return out;
}

struct StatesRow : Row {
  const char* species;  // read as the reactant of "<species> = X"
  const char* states;
};

class StatesTest : public testing::TestWithParam<StatesRow> {};

TEST_P(StatesTest, FollowsTheTextbookRules) {
  const StatesRow& row = GetParam();
  // Any product will do: only the reactant's own details are checked.
  const Answer answer = Balance(std::string(row.species) + " + H2 = H2 + " + row.species);
  ASSERT_TRUE(answer.equation);
  const DetailsResult result = Describe(*answer.equation, {1, 1, 1, 1});
  ASSERT_TRUE(result.details);
  EXPECT_EQ(StatesText(result.details->species.front()), row.states);
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, StatesTest,
    testing::Values(StatesRow{{"permanganate"}, "KMnO4", "K +1, Mn +7, O -2"},
                    StatesRow{{"manganate_by_its_charge"}, "K2MnO4", "K +1, Mn +6, O -2"},
                    StatesRow{{"ammonium_nitrate_kept_apart"}, "NH4NO3", "N -3/+5, H +1, O -2"},
                    StatesRow{{"ammonium_sulfate"}, "(NH4)2SO4", "N -3, H +1, S +6, O -2"},
                    StatesRow{{"magnetite_averaged"}, "Fe3O4", "Fe +8/3, O -2"},
                    StatesRow{{"ferric_sulfate"}, "Fe2(SO4)3", "Fe +3, S +6, O -2"},
                    StatesRow{{"basic_copper_carbonate"}, "Cu2(OH)2CO3", "Cu +2, O -2, H +1, C +4"},
                    StatesRow{{"hydrogen_peroxide"}, "H2O2", "H +1, O -1"},
                    StatesRow{{"sodium_peroxide"}, "Na2O2", "Na +1, O -1"},
                    StatesRow{{"superoxide"}, "KO2", "K +1, O -1/2"},
                    StatesRow{{"oxygen_difluoride"}, "OF2", "O +2, F -1"},
                    StatesRow{{"sodium_hydride"}, "NaH", "Na +1, H -1"},
                    StatesRow{{"lithium_aluminium_hydride"}, "LiAlH4", "Li +1, Al +3, H -1"},
                    StatesRow{{"borohydride"}, "NaBH4", "Na +1, B +3, H -1"},
                    StatesRow{{"ammonia"}, "NH3", "N -3, H +1"},
                    StatesRow{{"ammonium_chloride"}, "NH4Cl", "N -3, H +1, Cl -1"},
                    StatesRow{{"ferric_chloride"}, "FeCl3", "Fe +3, Cl -1"},
                    StatesRow{{"hypochlorous_acid"}, "HClO", "H +1, Cl +1, O -2"},
                    StatesRow{{"thiosulfate"}, "Na2S2O3", "Na +1, S +2, O -2"},
                    StatesRow{{"dichromate"}, "K2Cr2O7", "K +1, Cr +6, O -2"},
                    StatesRow{{"ferrocyanide"}, "K4[Fe(CN)6]", "K +1, Fe +2, C +2, N -3"},
                    StatesRow{{"pyrite"}, "FeS2", "Fe +2, S -1"},
                    StatesRow{{"ethanol_carbon_averaged"}, "C2H5OH", "C -2, H +1, O -2"},
                    StatesRow{{"glucose_not_split_into_carbonate"}, "C6H12O6", "C 0, H +1, O -2"},
                    StatesRow{{"urea"}, "CO(NH2)2", "C +4, O -2, N -3, H +1"},
                    StatesRow{{"ion_sum_is_its_charge"}, "Cr2O7^2-", "Cr +6, O -2"},
                    StatesRow{{"element"}, "O3", "O 0"},
                    StatesRow{{"two_open_metals_undecided"}, "CuFeS2", "undecided"}),
    RowName());

struct EquationRow : Row {
  const char* equation;
  std::vector<std::string> mass_ratio;
  ReactionType type;
  const char* electrons;  // "" when not redox
  std::vector<std::string> oxidizing;
  std::vector<std::string> reducing;
};

std::vector<std::string> Formulas(const Details& details, const std::vector<std::size_t>& list) {
  std::vector<std::string> out;
  for (const std::size_t i : list) out.push_back(details.species[i].formula);
  return out;
}

class EquationTest : public testing::TestWithParam<EquationRow> {};

TEST_P(EquationTest, RatioTypeAndElectrons) {
  const EquationRow& row = GetParam();
  const Details details = DetailsOf(row.equation);
  std::vector<std::string> ratio;
  for (const Rational& part : details.mass_ratio) ratio.push_back(FormatDecimal(part));
  EXPECT_EQ(ratio, row.mass_ratio);
  EXPECT_EQ(details.reaction_type, row.type);
  if (row.electrons[0] == '\0') {
    EXPECT_FALSE(details.redox);
    return;
  }
  ASSERT_TRUE(details.redox);
  EXPECT_EQ(FormatDecimal(details.redox->electrons), row.electrons);
  EXPECT_EQ(Formulas(details, details.redox->oxidizing_agents), row.oxidizing);
  EXPECT_EQ(Formulas(details, details.redox->reducing_agents), row.reducing);
}

using T = ReactionType;
INSTANTIATE_TEST_SUITE_P(
    Textbook, EquationTest,
    testing::Values(
        EquationRow{{"magnesium_burns"},
                    "Mg + O2 =点燃= MgO",
                    {"48", "32", "80"},
                    T::kCombination,
                    "4",
                    {"O2"},
                    {"Mg"}},
        EquationRow{{"water_formed"},
                    "H2 + O2 = H2O",
                    {"4", "32", "36"},
                    T::kCombination,
                    "4",
                    {"O2"},
                    {"H2"}},
        EquationRow{{"permanganate_heated"},
                    "KMnO4 =△= K2MnO4 + MnO2 + O2↑",
                    {"316", "197", "87", "32"},
                    T::kDecomposition,
                    "4",
                    {"KMnO4"},
                    {"KMnO4"}},
        EquationRow{{"comproportionation_not_crossing"},
                    "KClO3 + HCl = KCl + Cl2↑ + H2O",
                    {"122.5", "219", "74.5", "213", "54"},
                    T::kNone,
                    "5",
                    {"KClO3"},
                    {"HCl"}},
        EquationRow{{"only_changing_chlorine"},
                    "MnO2 + HCl = MnCl2 + Cl2 + H2O",
                    {"87", "146", "126", "71", "36"},
                    T::kNone,
                    "2",
                    {"MnO2"},
                    {"HCl"}},
        EquationRow{{"disproportionation"},
                    "Cl2 + NaOH = NaCl + NaClO + H2O",
                    {"71", "80", "58.5", "74.5", "18"},
                    T::kNone,
                    "1",
                    {"Cl2"},
                    {"Cl2"}},
        EquationRow{{"ammonium_nitrate_kept_apart"},
                    "NH4NO3 = N2O + H2O",
                    {"80", "44", "36"},
                    T::kDecomposition,
                    "4",
                    {"NH4NO3"},
                    {"NH4NO3"}},
        EquationRow{{"pyrite_roasted"},
                    "FeS2 + O2 = Fe2O3 + SO2",
                    {"480", "352", "320", "512"},
                    T::kNone,
                    "44",
                    {"O2"},
                    {"FeS2"}},
        EquationRow{{"displacement"},
                    "Fe + CuSO4 = FeSO4 + Cu",
                    {"56", "160", "152", "64"},
                    T::kSingleDisplacement,
                    "2",
                    {"CuSO4"},
                    {"Fe"}},
        EquationRow{{"limestone_and_acid"},
                    "CaCO3 + HCl = CaCl2 + H2O + CO2↑",
                    {"100", "73", "111", "18", "44"},
                    T::kDoubleDisplacement,
                    "",
                    {},
                    {}},
        EquationRow{{"metal_oxide_and_acid"},
                    "CuO + H2SO4 = CuSO4 + H2O",
                    {"80", "98", "160", "18"},
                    T::kDoubleDisplacement,
                    "",
                    {},
                    {}},
        EquationRow{{"ammonium_salt_and_base"},
                    "NH4Cl + NaOH = NaCl + NH3 + H2O",
                    {"53.5", "40", "58.5", "17", "18"},
                    T::kDoubleDisplacement,
                    "",
                    {},
                    {}},
        EquationRow{{"precipitate"},
                    "BaCl2 + Na2SO4 = BaSO4↓ + NaCl",
                    {"208", "142", "233", "117"},
                    T::kDoubleDisplacement,
                    "",
                    {},
                    {}},
        EquationRow{{"nonmetal_oxide_and_base_is_none"},
                    "CO2 + Ca(OH)2 = CaCO3↓ + H2O",
                    {"44", "74", "100", "18"},
                    T::kNone,
                    "",
                    {},
                    {}},
        EquationRow{{"esterification_rearranges_carbon"},
                    "CH3COOH + C2H5OH = CH3COOC2H5 + H2O",
                    {"60", "46", "88", "18"},
                    T::kNone,
                    "",
                    {},
                    {}},
        EquationRow{{"magnetite_and_acid_not_redox"},
                    "Fe3O4 + HCl = FeCl2 + FeCl3 + H2O",
                    {"232", "292", "127", "325", "72"},
                    T::kNone,
                    "",
                    {},
                    {}},
        EquationRow{{"magnetite_reduced"},
                    "Fe3O4 + CO = Fe + CO2",
                    {"232", "112", "168", "176"},
                    T::kNone,
                    "8",
                    {"Fe3O4"},
                    {"CO"}},
        EquationRow{{"hydride_and_water"},
                    "NaH + H2O = NaOH + H2",
                    {"24", "18", "40", "2"},
                    T::kNone,
                    "1",
                    {"H2O"},
                    {"NaH"}},
        EquationRow{
            {"half_reaction"}, "Cu^2+ + e- = Cu", {"64", "0", "64"}, T::kNone, "2", {"Cu^2+"}, {}}),
    RowName());

TEST(EquationTest, NeutralizationIsAKindOfDoubleDisplacement) {
  EXPECT_TRUE(DetailsOf("NaOH + HCl = NaCl + H2O").neutralization);
  EXPECT_FALSE(DetailsOf("CuO + H2SO4 = CuSO4 + H2O").neutralization);
}

// The four basic types class reactions of substances: an equation with ions
// or electrons is none of them, however many species meet.
struct IonicRow : Row {
  const char* equation;
  ReactionType type;
  bool ionic;
};

class IonicTest : public testing::TestWithParam<IonicRow> {};

TEST_P(IonicTest, HasNoBasicType) {
  const IonicRow& row = GetParam();
  const Details details = DetailsOf(row.equation);
  EXPECT_EQ(details.reaction_type, row.type);
  EXPECT_EQ(details.ionic, row.ionic);
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, IonicTest,
    testing::Values(
        IonicRow{{"precipitate_from_two_ions"}, "SO42- + Ba2+ = BaSO4↓", T::kNone, true},
        IonicRow{{"metal_and_ion"}, "Zn + Cu2+ = Zn2+ + Cu", T::kNone, true},
        IonicRow{{"ions_to_water"}, "H+ + OH- = H2O", T::kNone, true},
        IonicRow{{"electrode_reaction"}, "Zn - 2e- = Zn2+", T::kNone, true},
        IonicRow{{"one_ion_among_substances"},
                 "Cr2O72- + Fe2+ + H+ = Cr3+ + Fe3+ + H2O",
                 T::kNone,
                 true},
        IonicRow{{"substances_combine"}, "H2 + O2 = H2O", T::kCombination, false},
        IonicRow{
            {"substances_exchange"}, "NaOH + HCl = NaCl + H2O", T::kDoubleDisplacement, false}),
    RowName());

// The bridges themselves, as textbooks draw them.
struct BridgeRow : Row {
  const char* equation;
  std::vector<std::string> bridges;  // "Cl -1>0 HCl>Cl2 5x1 lost"
};

class BridgeTest : public testing::TestWithParam<BridgeRow> {};

TEST_P(BridgeTest, PairsAtomsWithoutCrossing) {
  const BridgeRow& row = GetParam();
  const Details details = DetailsOf(row.equation);
  ASSERT_TRUE(details.redox);
  std::vector<std::string> bridges;
  for (const Bridge& bridge : details.redox->changes) {
    bridges.push_back(bridge.symbol + " " + FormatState(bridge.from) + ">" +
                      FormatState(bridge.to) + " " + details.species[bridge.reactant].formula +
                      ">" + details.species[bridge.product].formula + " " +
                      FormatDecimal(bridge.atoms) + "x" + FormatDecimal(bridge.electrons_each) +
                      (bridge.gained ? " gained" : " lost"));
  }
  EXPECT_EQ(bridges, row.bridges);
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, BridgeTest,
    testing::Values(BridgeRow{{"comproportionation"},
                              "KClO3 + HCl = KCl + Cl2 + H2O",
                              {"Cl -1>0 HCl>Cl2 5x1 lost", "Cl +5>0 KClO3>Cl2 1x5 gained"}},
                    BridgeRow{{"disproportionation_to_two_states"},
                              "Cl2 + NaOH = NaCl + NaClO3 + H2O",
                              {"Cl 0>-1 Cl2>NaCl 5x1 gained", "Cl 0>+5 Cl2>NaClO3 1x5 lost"}},
                    BridgeRow{{"only_two_of_four_chlorines"},
                              "MnO2 + HCl = MnCl2 + Cl2 + H2O",
                              {"Mn +4>+2 MnO2>MnCl2 1x2 gained", "Cl -1>0 HCl>Cl2 2x1 lost"}},
                    BridgeRow{{"copper_and_concentrated_acid"},
                              "Cu + H2SO4 = CuSO4 + SO2 + H2O",
                              {"Cu 0>+2 Cu>CuSO4 1x2 lost", "S +6>+4 H2SO4>SO2 1x2 gained"}},
                    BridgeRow{{"ammonium_nitrate"},
                              "NH4NO3 = N2O + H2O",
                              {"N -3>+1 NH4NO3>N2O 1x4 lost", "N +5>+1 NH4NO3>N2O 1x4 gained"}}),
    RowName());

// --given, with the exam table: masses that react and what is left.
struct GivenRow : Row {
  const char* equation;
  std::vector<const char*> given;
  std::vector<std::string> masses;  // every species, as printed
  const char* limiting;             // "" for none
  std::vector<std::string> left_over;
};

class GivenTest : public testing::TestWithParam<GivenRow> {};

TEST_P(GivenTest, GivesTheMassesThatReact) {
  const GivenRow& row = GetParam();
  std::vector<GivenAmount> given;
  for (const char* text : row.given) {
    const GivenParse parsed = ParseGiven(text);
    ASSERT_TRUE(parsed.amount) << text;
    given.push_back(*parsed.amount);
  }
  const Details details = DetailsOf(row.equation, given);
  ASSERT_TRUE(details.amounts);
  const Amounts& amounts = *details.amounts;
  std::vector<std::string> masses;
  for (const SpeciesAmount& amount : amounts.amounts) {
    masses.push_back(FormatDecimal(amount.mass, amounts.mass_decimals));
  }
  EXPECT_EQ(masses, row.masses);
  EXPECT_EQ(amounts.limiting ? details.species[*amounts.limiting].formula : "", row.limiting);
  std::vector<std::string> left;
  for (const SpeciesAmount& amount : amounts.left_over) {
    left.push_back(details.species[amount.species].formula + " " +
                   FormatDecimal(amount.mass, amounts.mass_decimals));
  }
  EXPECT_EQ(left, row.left_over);
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, GivenTest,
    testing::Values(
        GivenRow{{"oxygen_from_permanganate"},
                 "KMnO4 = K2MnO4 + MnO2 + O2",
                 {"KMnO4=31.6g"},
                 {"31.6", "19.7", "8.7", "3.2"},
                 "",
                 {}},
        GivenRow{{"hydrogen_runs_out"},
                 "H2 + O2 = H2O",
                 {"H2=4g", "O2=40g"},
                 {"4", "32", "36"},
                 "H2",
                 {"O2 8"}},
        GivenRow{{"moles_given"}, "H2 + O2 = H2O", {"O2=0.5mol"}, {"2", "16", "18"}, "", {}},
        GivenRow{{"kilograms"}, "CaCO3 = CaO + CO2", {"CaCO3=1kg"}, {"1000", "560", "440"}, "", {}},
        GivenRow{{"milligrams"},
                 "CaCO3 = CaO + CO2",
                 {"CaCO3=100mg"},
                 {"0.1", "0.056", "0.044"},
                 "",
                 {}},
        GivenRow{{"rounded_to_four_digits"},
                 "Zn + HCl = ZnCl2 + H2",
                 {"Zn=10g"},
                 {"10", "11.23", "20.92", "0.3077"},
                 "",
                 {}},
        GivenRow{{"rounded_to_a_tenth"},
                 "Zn + HCl = ZnCl2 + H2",
                 {"Zn=10.0g"},
                 {"10", "11.2", "20.9", "0.3"},
                 "",
                 {}},
        GivenRow{{"both_used_up"}, "H2 + O2 = H2O", {"H2=4g", "O2=32g"}, {"4", "32", "36"}, "", {}},
        GivenRow{
            {"product_alone"}, "KClO3 = KCl + O2", {"O2=9.6g"}, {"24.5", "14.9", "9.6"}, "", {}}),
    RowName());

struct GivenErrorRow : Row {
  const char* equation;
  std::vector<const char*> given;
  GivenError error;
};

class GivenErrorTest : public testing::TestWithParam<GivenErrorRow> {};

TEST_P(GivenErrorTest, RefusesRatherThanGuesses) {
  const GivenErrorRow& row = GetParam();
  std::vector<GivenAmount> given;
  for (const char* text : row.given) {
    const GivenParse parsed = ParseGiven(text);
    if (!parsed.amount) {
      EXPECT_EQ(parsed.error, row.error) << text;
      return;
    }
    given.push_back(*parsed.amount);
  }
  const DetailsResult result = Describe(Balance(row.equation), given);
  EXPECT_FALSE(result.details);
  EXPECT_EQ(result.error, row.error);
}

using E = GivenError;
INSTANTIATE_TEST_SUITE_P(
    Refused, GivenErrorTest,
    testing::Values(
        GivenErrorRow{{"not_in_the_equation"}, "H2 + O2 = H2O", {"N2=1g"}, E::kUnknownSpecies},
        GivenErrorRow{{"zero"}, "H2 + O2 = H2O", {"H2=0g"}, E::kNotPositive},
        GivenErrorRow{{"negative"}, "H2 + O2 = H2O", {"H2=-2g"}, E::kNotPositive},
        GivenErrorRow{{"unknown_unit"}, "H2 + O2 = H2O", {"H2=2lb"}, E::kUnknownUnit},
        GivenErrorRow{{"no_unit"}, "H2 + O2 = H2O", {"H2=2"}, E::kUnknownUnit},
        GivenErrorRow{{"no_equals"}, "H2 + O2 = H2O", {"H2 2g"}, E::kMalformed},
        GivenErrorRow{{"no_number"}, "H2 + O2 = H2O", {"H2=g"}, E::kMalformed},
        GivenErrorRow{{"two_points"}, "H2 + O2 = H2O", {"H2=1.2.3g"}, E::kMalformed},
        GivenErrorRow{{"twice"}, "H2 + O2 = H2O", {"H2=1g", "H2=2g"}, E::kTwice},
        GivenErrorRow{{"product_with_reactant"},
                      "H2 + O2 = H2O",
                      {"H2=1g", "H2O=2g"},
                      E::kProductAmongOthers}),
    RowName());

TEST(GivenTest, MatchesTheFormulaWithoutMarks) {
  const GivenParse given = ParseGiven("KMnO4 = 31.6 g");
  ASSERT_TRUE(given.amount);
  const Details details = DetailsOf("KMnO4 =△= K2MnO4 + MnO2 + O2↑", {*given.amount});
  EXPECT_EQ(details.species.back().formula, "O2");
  ASSERT_TRUE(details.amounts);
}

struct DecimalRow : Row {
  const char* numerator;
  const char* denominator;
  int decimals;
  const char* text;
};

class DecimalTest : public testing::TestWithParam<DecimalRow> {};

TEST_P(DecimalTest, RoundsOnlyWhatDoesNotEnd) {
  const DecimalRow& row = GetParam();
  const Rational value(Integer(row.numerator), Integer(row.denominator));
  EXPECT_EQ(FormatDecimal(value, row.decimals), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Printing, DecimalTest,
    testing::Values(DecimalRow{{"exact_whole"}, "36", "1", -1, "36"},
                    DecimalRow{{"exact_tenth"}, "32", "10", 1, "3.2"},
                    DecimalRow{{"third_four_digits"}, "10", "3", -1, "3.333"},
                    DecimalRow{{"small_four_digits"}, "1", "3000", -1, "0.0003333"},
                    DecimalRow{{"half_away_from_zero"}, "-5", "2", 0, "-3"},
                    DecimalRow{{"tenth_rounds_up"}, "1", "8", 1, "0.1"},
                    DecimalRow{{"large_four_digits_keeps_its_digits"}, "123456", "7", -1, "17637"}),
    RowName());

// Values beyond machine integers leave the fast path for exact arithmetic:
// the same answer, scaled, never a wrapped one.
struct BeyondMachineRow : Row {
  const char* equation;
  const char* scale;  // every coefficient of the answer times this
  const char* electrons;
  const char* first_relative_mass;
};

class BeyondMachineTest : public testing::TestWithParam<BeyondMachineRow> {};

TEST_P(BeyondMachineTest, StaysExact) {
  const BeyondMachineRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  ASSERT_TRUE(answer.ok()) << answer.error;
  std::vector<Integer> coefficients;
  for (const std::string& c : answer.coefficients)
    coefficients.push_back(Integer(c) * Integer(row.scale));
  const DetailsResult result = Describe(*answer.equation, coefficients);
  ASSERT_TRUE(result.details);
  ASSERT_TRUE(result.details->redox);
  EXPECT_EQ(FormatDecimal(result.details->redox->electrons), row.electrons);
  EXPECT_EQ(FormatDecimal(result.details->species.front().relative_mass), row.first_relative_mass);
}

INSTANTIATE_TEST_SUITE_P(
    Large, BeyondMachineTest,
    testing::Values(
        BeyondMachineRow{{"small_values"}, "KClO3 + HCl = KCl + Cl2 + H2O", "1", "5", "122.5"},
        BeyondMachineRow{{"coefficients_beyond_64_bits"},
                         "KClO3 + HCl = KCl + Cl2 + H2O",
                         "100000000000000000000",
                         "500000000000000000000",
                         "122.5"},
        // 207 × 10^12 per Pb atom: 50000 of them pass 2^63.
        BeyondMachineRow{
            {"mass_sum_beyond_64_bits"}, "Pb50000 + O2 = PbO2", "1", "200000", "10350000"}),
    RowName());

struct SmallFractionRow : Row {
  long long a_numerator, a_denominator;
  char operation;
  long long b_numerator, b_denominator;
  const char* result;  // "overflow" when it leaves 64 bits
};

class SmallFractionTest : public testing::TestWithParam<SmallFractionRow> {};

// Checked against Rational: lowest terms, the sign on the numerator, and an
// overflow refused rather than wrapped.
TEST_P(SmallFractionTest, AgreesWithRational) {
  const SmallFractionRow& row = GetParam();
  using detail::SmallFraction;
  const auto make = [](long long n, long long d) {
    return SmallFraction::Of(Rational(Integer(n), Integer(d)));
  };
  const SmallFraction a = make(row.a_numerator, row.a_denominator);
  const SmallFraction b = make(row.b_numerator, row.b_denominator);
  std::string text;
  try {
    const SmallFraction value = row.operation == '+'   ? a + b
                                : row.operation == '-' ? a - b
                                : row.operation == '*' ? a * b
                                                       : a / b;
    text = boost::multiprecision::numerator(value.ToRational()).str() + "/" +
           boost::multiprecision::denominator(value.ToRational()).str();
    EXPECT_EQ(value.numerator(), boost::multiprecision::numerator(value.ToRational()));
  } catch (const detail::FractionOverflow&) {
    text = "overflow";
  }
  EXPECT_EQ(text, row.result);
}

constexpr long long kMax = 9'223'372'036'854'775'807LL;
INSTANTIATE_TEST_SUITE_P(
    Arithmetic, SmallFractionTest,
    testing::Values(
        SmallFractionRow{{"sum_in_lowest_terms"}, 1, 6, '+', 1, 3, "1/2"},
        SmallFractionRow{{"difference_negative"}, 1, 3, '-', 1, 2, "-1/6"},
        SmallFractionRow{{"product_cancels"}, -2, 3, '*', 3, 4, "-1/2"},
        SmallFractionRow{{"quotient_by_negative_moves_the_sign"}, 1, 2, '/', -3, 4, "-2/3"},
        SmallFractionRow{
            {"whole_sum_at_the_limit"}, kMax - 1, 1, '+', 1, 1, "9223372036854775807/1"},
        SmallFractionRow{{"whole_sum_past_the_limit"}, kMax, 1, '+', 1, 1, "overflow"},
        SmallFractionRow{{"product_past_the_limit"}, kMax, 1, '*', 2, 1, "overflow"},
        SmallFractionRow{{"wide_product_that_cancels_fits"}, kMax, 2, '*', 2, kMax, "1/1"}),
    RowName());

// Random equations from a pool of formulas, balanced by the solver: in each,
// the bridges' electrons lost equal those gained, and the reactants' masses
// add up to the products'.
TEST(DetailsProperty, ElectronsAndMassAreConserved) {
  const std::vector<std::string> pool = {
      "H2",    "O2",     "H2O", "H2O2",  "Fe",     "FeO",   "Fe2O3", "Fe3O4", "FeCl2",
      "FeCl3", "Cl2",    "HCl", "KClO3", "KCl",    "KMnO4", "MnO2",  "MnCl2", "K2MnO4",
      "NH3",   "NO",     "NO2", "HNO3",  "NH4NO3", "N2",    "N2O",   "Cu",    "CuO",
      "Cu2O",  "CuSO4",  "SO2", "SO3",   "H2SO4",  "H2S",   "S",     "CO",    "CO2",
      "CH4",   "C2H5OH", "Na",  "NaOH",  "NaCl",   "NaClO", "Na2O2", "C",     "Al2O3"};
  std::mt19937 random(25);
  int checked = 0;
  std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
  std::uniform_int_distribution<int> sides(1, 3);
  for (int attempt = 0; attempt < 20000 && checked < 300; ++attempt) {
    const int reactant_count = sides(random);
    const int species_count = reactant_count + sides(random);
    std::string text;
    for (int i = 0; i < species_count; ++i) {
      text += (i == 0 ? "" : i == reactant_count ? " = " : " + ") + pool[pick(random)];
    }
    const Answer answer = Balance(text);
    if (!answer.ok()) continue;
    const DetailsResult result = Describe(answer);
    ASSERT_TRUE(result.details) << text;
    const Details& details = *result.details;
    Rational reactants = 0;
    Rational products = 0;
    for (std::size_t i = 0; i < details.species.size(); ++i) {
      (details.species[i].product ? products : reactants) += details.mass_ratio[i];
    }
    EXPECT_EQ(reactants, products) << answer.result;
    if (details.redox) {
      Rational gained = 0;
      Rational lost = 0;
      for (const Bridge& bridge : details.redox->changes) {
        (bridge.gained ? gained : lost) += bridge.atoms * bridge.electrons_each;
      }
      EXPECT_EQ(gained, lost) << answer.result;
      EXPECT_EQ(details.redox->electrons, gained) << answer.result;
    }
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

}  // namespace
}  // namespace quorvel::chemistry
