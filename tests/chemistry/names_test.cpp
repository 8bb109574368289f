// Chinese names: each rule both ways, the round trip of every known name,
// names in equations, and the refusals.

#include "quorvel/chemistry/names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "names/number_words.h"
#include "names/suggestions.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/parser.h"
#include "test_support.h"

namespace quorvel::chemistry {
namespace {

using quorvel_test::Row;
using quorvel_test::RowName;

// The species a formula reads as.
Species Read(const std::string& formula) {
  const ParseResult parsed = ParseEquation(formula + " = " + formula);
  EXPECT_TRUE(parsed.equation) << formula << ": " << parsed.error.message;
  return parsed.equation ? parsed.equation->species.front() : Species{};
}

bool SameSubstance(const std::string& a, const std::string& b) {
  const Species x = Read(a);
  const Species y = Read(b);
  return x.atoms.size() == y.atoms.size() && x.charge == y.charge &&
         std::is_permutation(x.atoms.begin(), x.atoms.end(), y.atoms.begin(),
                             [](const AtomCount& p, const AtomCount& q) {
                               return p.element == q.element && p.count == q.count;
                             });
}

struct NameRow : Row {
  const char* chinese;
  const char* formula;  // as FormulaForName writes it
  const char* typed;    // a formula that ChineseName gives the name back for; "" when none
};

class NameTest : public testing::TestWithParam<NameRow> {};

TEST_P(NameTest, ReadsTheFormulaAndNamesItBack) {
  const NameRow& row = GetParam();
  const NameReading reading = FormulaForName(row.chinese);
  EXPECT_TRUE(reading.ok()) << Explain(reading.reason, Language::kEnglish);
  EXPECT_EQ(reading.formula, row.formula);
  if (*row.typed != '\0') {
    EXPECT_EQ(ChineseName(Read(row.typed)).value_or("(none)"), row.chinese);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NameTest,
    testing::Values(
        // Elements' substances: 气 for gases, two atoms where textbooks write two.
        NameRow{{"Hydrogen"}, "氢气", "H2", "H2"}, NameRow{{"Helium"}, "氦气", "He", "He"},
        NameRow{{"Iron"}, "铁", "Fe", "Fe"}, NameRow{{"Bromine"}, "溴", "Br2", "Br2"},
        NameRow{{"Sulfur"}, "硫", "S", "S"}, NameRow{{"Oganesson"}, "鿫", "Og", "Og"},
        NameRow{{"Rutherfordium"}, "𬬻", "Rf", "Rf"},
        // Binary compounds by valence, 亚 for the lower one.
        NameRow{{"Salt"}, "氯化钠", "NaCl", "NaCl"},
        NameRow{{"IronIII"}, "氯化铁", "FeCl3", "FeCl3"},
        NameRow{{"IronII"}, "氯化亚铁", "FeCl2", "FeCl2"},
        NameRow{{"CopperII"}, "氧化铜", "CuO", "CuO"},
        NameRow{{"CopperI"}, "氧化亚铜", "Cu2O", "Cu2O"},
        NameRow{{"Alumina"}, "氧化铝", "Al2O3", "Al2O3"},
        NameRow{{"HydrogenSulfide"}, "硫化氢", "H2S", "H2S"},
        NameRow{{"Hydride"}, "氢化钙", "CaH2", "CaH2"},
        NameRow{{"Nitride"}, "氮化镁", "Mg3N2", "Mg3N2"},
        NameRow{{"AmmoniumChloride"}, "氯化铵", "NH4Cl", "NH4Cl"},
        // Number words, the anion's always said.
        NameRow{{"CarbonMonoxide"}, "一氧化碳", "CO", "CO"},
        NameRow{{"CarbonDioxide"}, "二氧化碳", "CO2", "CO2"},
        NameRow{{"PhosphorusPentoxide"}, "五氧化二磷", "P2O5", "P2O5"},
        NameRow{{"Magnetite"}, "四氧化三铁", "Fe3O4", "Fe3O4"},
        NameRow{{"ManganeseDioxide"}, "二氧化锰", "MnO2", "MnO2"},
        NameRow{{"NitrousOxide"}, "一氧化二氮", "N2O", "N2O"},
        NameRow{{"Tetrachloride"}, "四氯化碳", "CCl4", "CCl4"},
        // Acids, bases and salts by their radicals and prefixes.
        NameRow{{"Sulfuric"}, "硫酸", "H2SO4", "H2SO4"},
        NameRow{{"Sulfurous"}, "亚硫酸", "H2SO3", "H2SO3"},
        NameRow{{"Hypochlorous"}, "次氯酸", "HClO", "HClO"},
        NameRow{{"Perchloric"}, "高氯酸", "HClO4", "HClO4"},
        NameRow{{"Chlorous"}, "亚氯酸", "HClO2", "HClO2"},
        NameRow{{"Phosphoric"}, "磷酸", "H3PO4", "H3PO4"},
        NameRow{{"Metaphosphoric"}, "偏磷酸", "HPO3", "HPO3"},
        NameRow{{"Hypophosphorous"}, "次磷酸", "H3PO2", "H3PO2"},
        NameRow{{"Nitric"}, "硝酸", "HNO3", "HNO3"}, NameRow{{"Nitrous"}, "亚硝酸", "HNO2", "HNO2"},
        NameRow{{"Hydrochloric"}, "氢氯酸", "HCl", ""},
        NameRow{{"SlakedLime"}, "氢氧化钙", "Ca(OH)2", "Ca(OH)2"},
        NameRow{{"FerricHydroxide"}, "氢氧化铁", "Fe(OH)3", "Fe(OH)3"},
        NameRow{{"FerrousHydroxide"}, "氢氧化亚铁", "Fe(OH)2", "Fe(OH)2"},
        NameRow{{"Peroxide"}, "过氧化钠", "Na2O2", "Na2O2"},
        NameRow{{"HydrogenPeroxide"}, "过氧化氢", "H2O2", "H2O2"},
        NameRow{{"Bicarbonate"}, "碳酸氢钠", "NaHCO3", "NaHCO3"},
        NameRow{{"CalciumBicarbonate"}, "碳酸氢钙", "Ca(HCO3)2", "Ca(HCO3)2"},
        NameRow{{"AmmoniumSulfate"}, "硫酸铵", "(NH4)2SO4", "(NH4)2SO4"},
        NameRow{{"FerricSulfate"}, "硫酸铁", "Fe2(SO4)3", "Fe2(SO4)3"},
        NameRow{{"Permanganate"}, "高锰酸钾", "KMnO4", "KMnO4"},
        NameRow{{"Manganate"}, "锰酸钾", "K2MnO4", "K2MnO4"},
        NameRow{{"Aluminate"}, "偏铝酸钠", "NaAlO2", "NaAlO2"},
        NameRow{{"Thiosulfate"}, "硫代硫酸钠", "Na2S2O3", "Na2S2O3"},
        NameRow{{"Dichromate"}, "重铬酸钾", "K2Cr2O7", "K2Cr2O7"},
        NameRow{{"Ferrate"}, "高铁酸钾", "K2FeO4", "K2FeO4"},
        NameRow{{"Dihydrogen"}, "磷酸二氢钾", "KH2PO4", "KH2PO4"},
        NameRow{{"HydrogenPhosphate"}, "磷酸氢二钠", "Na2HPO4", "Na2HPO4"},
        NameRow{{"Bisulfite"}, "亚硫酸氢钠", "NaHSO3", "NaHSO3"},
        NameRow{{"Acetate"}, "乙酸钠", "CH3COONa", "CH3COONa"},
        NameRow{{"CalciumAcetate"}, "乙酸钙", "(CH3COO)2Ca", "(CH3COO)2Ca"},
        NameRow{{"Thiocyanate"}, "硫氰酸钾", "KSCN", "KSCN"},
        NameRow{{"Basic"}, "碱式碳酸铜", "Cu2(OH)2CO3", "Cu2(OH)2CO3"},
        NameRow{{"BasicChloride"}, "碱式氯化镁", "Mg(OH)Cl", "Mg(OH)Cl"},
        // Hydrates.
        NameRow{{"Pentahydrate"}, "五水硫酸铜", "CuSO4·5H2O", "CuSO4·5H2O"},
        NameRow{{"Decahydrate"}, "十水碳酸钠", "Na2CO3·10H2O", "Na2CO3·10H2O"},
        NameRow{{"Heptahydrate"}, "七水硫酸亚铁", "FeSO4·7H2O", "FeSO4·7H2O"},
        // Ions.
        NameRow{{"SulfateIon"}, "硫酸根离子", "SO4^2-", "SO4^2-"},
        NameRow{{"FerrousIon"}, "亚铁离子", "Fe^2+", "Fe^2+"},
        NameRow{{"FerricIon"}, "铁离子", "Fe^3+", "Fe^3+"},
        NameRow{{"AmmoniumIon"}, "铵根离子", "NH4^+", "NH4+"},
        NameRow{{"HydrogenIon"}, "氢离子", "H+", "H+"},
        NameRow{{"HydroxideIon"}, "氢氧根离子", "OH-", "OH-"},
        NameRow{{"ChlorideIon"}, "氯离子", "Cl-", "Cl-"},
        NameRow{{"SulfideIon"}, "硫离子", "S^2-", "S^2-"},
        NameRow{{"BicarbonateIon"}, "碳酸氢根离子", "HCO3^-", "HCO3-"},
        NameRow{{"Radical"}, "硫酸根", "SO4^2-", ""}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Tables, NameTest,
    testing::Values(
        // The name a formula is given, with the textbook's formula.
        NameRow{{"Water"}, "水", "H2O", "H2O"}, NameRow{{"Ammonia"}, "氨气", "NH3", "NH3"},
        NameRow{{"Ozone"}, "臭氧", "O3", "O3"}, NameRow{{"Methane"}, "甲烷", "CH4", "CH4"},
        NameRow{{"Ethene"}, "乙烯", "C2H4", "C2H4"}, NameRow{{"Ethyne"}, "乙炔", "C2H2", "C2H2"},
        NameRow{{"Benzene"}, "苯", "C6H6", "C6H6"},
        NameRow{{"Ethanol"}, "乙醇", "C2H5OH", "C2H5OH"},
        NameRow{{"EthanolState"}, "乙醇", "C2H5OH", "C2H5OH(l)"},
        NameRow{{"Ether"}, "二甲醚", "CH3OCH3", "CH3OCH3"},
        NameRow{{"AceticAcid"}, "乙酸", "CH3COOH", "CH3COOH"},
        NameRow{{"EthylAcetate"}, "乙酸乙酯", "CH3COOC2H5", "CH3COOC2H5"},
        NameRow{{"Glucose"}, "葡萄糖", "C6H12O6", "C6H12O6"},
        NameRow{{"Sucrose"}, "蔗糖", "C12H22O11", "C12H22O11"},
        NameRow{{"Starch"}, "淀粉", "C6H10O5", ""},
        // Common names: their formula gets the systematic name instead.
        NameRow{{"SodaAsh"}, "纯碱", "Na2CO3", ""}, NameRow{{"Soda"}, "苏打", "Na2CO3", ""},
        NameRow{{"BakingSoda"}, "小苏打", "NaHCO3", ""},
        NameRow{{"CausticSoda"}, "烧碱", "NaOH", ""}, NameRow{{"Lye"}, "火碱", "NaOH", ""},
        NameRow{{"Caustic"}, "苛性钠", "NaOH", ""}, NameRow{{"Quicklime"}, "生石灰", "CaO", ""},
        NameRow{{"Slaked"}, "熟石灰", "Ca(OH)2", ""},
        NameRow{{"Hydrated"}, "消石灰", "Ca(OH)2", ""},
        NameRow{{"Limestone"}, "石灰石", "CaCO3", ""}, NameRow{{"Marble"}, "大理石", "CaCO3", ""},
        NameRow{{"DryIce"}, "干冰", "CO2", ""}, NameRow{{"Peroxide"}, "双氧水", "H2O2", ""},
        NameRow{{"Rust"}, "铁锈", "Fe2O3", ""}, NameRow{{"Bluestone"}, "胆矾", "CuSO4·5H2O", ""},
        NameRow{{"Verdigris"}, "铜绿", "Cu2(OH)2CO3", ""},
        NameRow{{"Alcohol"}, "酒精", "C2H5OH", ""}, NameRow{{"Vinegar"}, "醋酸", "CH3COOH", ""},
        NameRow{{"RedPhosphorus"}, "红磷", "P", ""}, NameRow{{"WhitePhosphorus"}, "白磷", "P", ""},
        NameRow{{"Carbon"}, "碳", "C", "C"}, NameRow{{"HydrochloricAcid"}, "盐酸", "HCl", ""},
        // Only a common name: the formula gets it.
        NameRow{{"Alum"}, "明矾", "KAl(SO4)2·12H2O", "KAl(SO4)2·12H2O"},
        // A concentration word: the substance, the word apart.
        NameRow{{"Dilute"}, "稀硫酸", "H2SO4", ""}, NameRow{{"Concentrated"}, "浓盐酸", "HCl", ""}),
    RowName());

struct UnnamedRow : Row {
  const char* typed;
};

class UnnamedTest : public testing::TestWithParam<UnnamedRow> {};

// No guess where the rules and tables do not tell which substance it is.
TEST_P(UnnamedTest, HasNoName) {
  EXPECT_EQ(ChineseName(Read(GetParam().typed)).value_or("(none)"), "(none)");
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnnamedTest,
    testing::Values(UnnamedRow{{"Isomers"}, "C2H6O"}, UnnamedRow{{"Isotope"}, "D2O"},
                    UnnamedRow{{"Labelled"}, "^14CO2"}, UnnamedRow{{"Unknown"}, "C7H5N3O6"},
                    UnnamedRow{{"Electron"}, "e-"}, UnnamedRow{{"WrongCharge"}, "Na^2+"},
                    UnnamedRow{{"Octasulfur"}, "S8"}, UnnamedRow{{"NoHydrate"}, "NaCl·H2O2"}),
    RowName());

// Every name the program knows reads as a formula that is named back with
// it, or with another name of the same substance (纯碱 is 碳酸钠). A
// polymer's unit (淀粉 as C6H10O5) is no substance of its own to name.
TEST(NameRoundTripTest, EveryKnownNameComesBack) {
  std::size_t checked = 0;
  for (const std::string& name : names::KnownNames()) {
    const NameReading reading = FormulaForName(name);
    if (reading.reason.kind == ReasonKind::kAmbiguousName) continue;
    if (!reading.notes.empty() && reading.notes.front().kind == NoteKind::kPolymerRead) continue;
    ASSERT_TRUE(reading.ok()) << name << ": " << Explain(reading.reason, Language::kEnglish);
    const std::optional<std::string> back = ChineseName(Read(reading.formula));
    if (back == name) {
      ++checked;
      continue;
    }
    ASSERT_TRUE(back) << name << " " << reading.formula << " has no name";
    const NameReading twin = FormulaForName(*back);
    ASSERT_TRUE(twin.ok()) << name << " -> " << *back;
    EXPECT_TRUE(SameSubstance(twin.formula, reading.formula))
        << name << " " << reading.formula << " -> " << *back << " " << twin.formula;
    ++checked;
  }
  EXPECT_GT(checked, 2000U);
}

struct NumberRow : Row {
  int value;
  const char* word;
};

class NumberWordTest : public testing::TestWithParam<NumberRow> {};

TEST_P(NumberWordTest, WritesAndReads) {
  const NumberRow& row = GetParam();
  EXPECT_EQ(names::NumberWord(row.value), row.word);
  const names::NumberAt at = names::ReadNumberWord(std::string(row.word) + "水");
  EXPECT_EQ(at.value, row.value);
  EXPECT_EQ(at.length, std::string(row.word).size());
}

INSTANTIATE_TEST_SUITE_P(Words, NumberWordTest,
                         testing::Values(NumberRow{{"One"}, 1, "一"}, NumberRow{{"Nine"}, 9, "九"},
                                         NumberRow{{"Ten"}, 10, "十"},
                                         NumberRow{{"Twelve"}, 12, "十二"},
                                         NumberRow{{"Twenty"}, 20, "二十"},
                                         NumberRow{{"NinetyNine"}, 99, "九十九"}),
                         RowName());

struct EquationRow : Row {
  const char* equation;
  const char* result;
  const char* note;  // one of the answer's notes, in full
};

class WordEquationTest : public testing::TestWithParam<EquationRow> {};

TEST_P(WordEquationTest, BalancesWithFormulas) {
  const EquationRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_EQ(answer.result, row.result) << answer.error;
  if (*row.note != '\0') {
    EXPECT_NE(std::find(answer.notes.begin(), answer.notes.end(), row.note), answer.notes.end())
        << testing::PrintToString(answer.notes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Equations, WordEquationTest,
    testing::Values(
        EquationRow{
            {"Permanganate"},
            "高锰酸钾 =△= 锰酸钾 + 二氧化锰 + 氧气",
            "2KMnO4 =△= K2MnO4 + MnO2 + O2",
            "names read as formulas: 高锰酸钾 KMnO4, 锰酸钾 K2MnO4, 二氧化锰 MnO2, 氧气 O2"},
        EquationRow{{"Mixed"},
                    "Zn + 盐酸 = ZnCl2 + 氢气",
                    "Zn + 2HCl = ZnCl2 + H2",
                    "盐酸 is a mixture or solution, read as its main substance HCl"},
        EquationRow{{"Condition"},
                    "2 氯酸钾 =MnO2,△= 2氯化钾 + 3 氧气↑",
                    "2KClO3 =MnO2,△= 2KCl + 3O2↑",
                    ""},
        EquationRow{{"ChineseCondition"}, "氢气 + 氧气 =点燃= 水", "2H2 + O2 =点燃= 2H2O", ""},
        EquationRow{{"Dilute"},
                    "锌 + 稀硫酸 = 硫酸锌 + 氢气",
                    "Zn + H2SO4(稀) = ZnSO4 + H2",
                    "names read as formulas: 锌 Zn, 稀硫酸 H2SO4(稀), 硫酸锌 ZnSO4, 氢气 H2"},
        EquationRow{{"Ions"},
                    "亚铁离子 + 氢离子 + 高锰酸根离子 = 铁离子 + 锰离子 + 水",
                    "5Fe^2+ + 8H+ + MnO4^- = 5Fe^3+ + Mn^2+ + 4H2O",
                    ""},
        EquationRow{{"Starch"},
                    "淀粉 + 水 = 葡萄糖",
                    "C6H10O5 + H2O = C6H12O6",
                    "淀粉 is (C6H10O5)n, balanced here per unit C6H10O5"},
        EquationRow{{"FullWidth"}, "铁＋氧气＝四氧化三铁", "3Fe + 2O2 ＝ Fe3O4", ""},
        EquationRow{{"NameOnce"}, "水 = 氢气 + 氧气 + 水", "", ""}),
    RowName());

struct RefusalRow : Row {
  const char* equation;
  const char* key;
  const char* english;
  const char* chinese;
};

class NameRefusalTest : public testing::TestWithParam<RefusalRow> {};

TEST_P(NameRefusalTest, SaysWhichName) {
  const RefusalRow& row = GetParam();
  const Answer answer = Balance(row.equation);
  EXPECT_FALSE(answer.ok());
  EXPECT_EQ(ReasonKey(answer.reason.kind), row.key);
  EXPECT_EQ(answer.error, row.english);
  EXPECT_EQ(Explain(answer.reason, Language::kChinese), row.chinese);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, NameRefusalTest,
    testing::Values(
        RefusalRow{
            {"Mistyped"},
            "高猛酸钾 = 锰酸钾 + 二氧化锰 + 氧气",
            "unknown_name",
            "unknown name \"高猛酸钾\" at position 1; did you mean \"高锰酸钾\", \"高氯酸钾\", "
            "\"高溴酸钾\"?",
            "无法识别第 1 个字符起的名称“高猛酸钾”；是不是“高锰酸钾”、“高氯酸钾”、“高溴酸钾”？"},
        RefusalRow{{"Nothing"},
                   "H2 + 光合作用 = H2O",
                   "unknown_name",
                   "unknown name \"光合作用\" at position 6",
                   "无法识别第 6 个字符起的名称“光合作用”"},
        RefusalRow{{"Ambiguous"},
                   "O2 + 硫化铁 = Fe2O3 + SO2",
                   "ambiguous_name",
                   "the name \"硫化铁\" at position 6 means more than one substance (Fe2S3, FeS): "
                   "write the formula",
                   "第 6 个字符起的名称“硫化铁”可指不止一种物质（Fe2S3、FeS）：请写出化学式"},
        // A fault after names is shown where it was typed, not in the formulas' text.
        RefusalRow{{"PositionAfterNames"},
                   "二氧化锰 + HCl = 氯化锰 + Cl2 + H2O + Xx",
                   "unknown_element",
                   "unknown element symbol \"Xx\" at position 32",
                   "第 32 个字符处的“Xx”不是元素符号"},
        RefusalRow{{"PositionAtName"},
                   "高锰酸钾 + = 锰酸钾",
                   "nothing_after_sign",
                   "nothing after \"+\" at position 6",
                   "第 6 个字符“+”之后没有物质"},
        // Where no species stands, Chinese characters are what they were: unexpected.
        RefusalRow{{"AfterFormula"},
                   "KMnO4高锰酸钾 = K2MnO4",
                   "condition_without_sign",
                   "the condition \"高锰酸钾\" at position 6 stands without \"=\" or an arrow: "
                   "write it between two signs, as in =高锰酸钾= or →(高锰酸钾)",
                   "第 6 个字符的反应条件“高锰酸钾”前后缺少“=”或箭头：应写成 =高锰酸钾= 或 "
                   "→(高锰酸钾)"}),
    RowName());

// A name as long as a line may be is refused at once, with nothing close to it.
TEST(NameRefusalTest, LongNameHasNoSuggestion) {
  std::string name;
  for (int i = 0; i < 100'000; ++i) name += "氢";
  const Answer answer = Balance(name + " = 水");
  EXPECT_EQ(answer.reason.kind, ReasonKind::kUnknownName);
  EXPECT_EQ(answer.reason.position, 1U);
  EXPECT_TRUE(answer.reason.other_items.empty());
}

}  // namespace
}  // namespace quorvel::chemistry
