// Which symbols a bridge joins, what stands above them and how it is labelled.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorvel/drawing/bridges.h"

namespace {

using quorvel::drawing::BridgeFigure;
using quorvel::drawing::MakeBridgeFigure;
using quorvel::messages::Language;

std::optional<BridgeFigure> FigureOf(const std::string& equation, Language language) {
  const auto answer = quorvel::chemistry::Balance(equation);
  const auto details = quorvel::chemistry::Describe(answer).details;
  if (!details) return std::nullopt;
  return MakeBridgeFigure(answer, *details, language);
}

// Where a piece starts in the balanced equation's text.
std::size_t Offset(const BridgeFigure& figure, std::size_t piece) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < piece; ++i) at += figure.pieces[i].text.size();
  return at;
}

// "K2[Mn]O4": the symbol in brackets, found by its neighbours in the answer.
std::size_t Marked(const std::string& result, const std::string& context) {
  std::string plain = context;
  const std::size_t open = plain.find('[');
  plain.erase(open, 1);
  plain.erase(plain.find(']'), 1);
  const std::size_t found = result.find(plain);
  EXPECT_NE(found, std::string::npos) << context;
  return found + open;
}

struct ExpectedBridge {
  const char* from;  // the reactant's symbol in its context
  const char* to;
  const char* from_state;
  const char* to_state;
  bool gained;
  const char* label;
};

struct FigureCase {
  const char* equation;
  const char* result;
  std::vector<ExpectedBridge> bridges;
};

const std::vector<FigureCase> kFigureCases = {
    {"KMnO4 =△= K2MnO4 + MnO2 + O2↑",
     "2KMnO4 =△= K2MnO4 + MnO2 + O2↑",
     {{"2K[Mn]O4", "+ [Mn]O2", "+7", "+4", true, "得到 1×3e⁻，化合价降低，被还原"},
      {"2K[Mn]O4", "K2[Mn]O4", "+7", "+6", true, "得到 1×e⁻，化合价降低，被还原"},
      {"2KMn[O]4", "[O]2↑", "-2", "0", false, "失去 2×2e⁻，化合价升高，被氧化"}}},
    {"KClO3 + HCl = KCl + Cl2 + H2O",
     "KClO3 + 6HCl = KCl + 3Cl2 + 3H2O",
     {{"6H[Cl]", "3[Cl]2", "-1", "0", false, "失去 5×e⁻，化合价升高，被氧化"},
      {"K[Cl]O3", "3[Cl]2", "+5", "0", true, "得到 1×5e⁻，化合价降低，被还原"}}},
    {"Cl2 + NaOH = NaCl + NaClO + H2O",
     "Cl2 + 2NaOH = NaCl + NaClO + H2O",
     {{"[Cl]2", "Na[Cl] +", "0", "-1", true, "得到 1×e⁻，化合价降低，被还原"},
      {"[Cl]2", "Na[Cl]O", "0", "+1", false, "失去 1×e⁻，化合价升高，被氧化"}}},
    {"H2 + O2 = H2O",
     "2H2 + O2 = 2H2O",
     {{"2[H]2 +", "2[H]2O", "0", "+1", false, "失去 4×e⁻，化合价升高，被氧化"},
      {"[O]2 =", "2H2[O]", "0", "-2", true, "得到 2×2e⁻，化合价降低，被还原"}}},
    // The N of the ammonium and of the nitrate, each where it is written.
    {"NH4NO3 = N2O + H2O",
     "NH4NO3 = N2O + 2H2O",
     {{"[N]H4", "[N]2O", "-3", "+1", false, "失去 1×4e⁻，化合价升高，被氧化"},
      {"NH4[N]O3", "[N]2O", "+5", "+1", true, "得到 1×4e⁻，化合价降低，被还原"}}},
};

TEST(BridgeFigureTest, EachBridgeJoinsTheSymbolsOfItsElement) {
  for (const FigureCase& test : kFigureCases) {
    SCOPED_TRACE(test.equation);
    const auto figure = FigureOf(test.equation, Language::kChinese);
    ASSERT_TRUE(figure);
    std::string text;
    for (const auto& piece : figure->pieces) text += piece.text;
    EXPECT_EQ(text, test.result);
    ASSERT_EQ(figure->bridges.size(), test.bridges.size());
    for (std::size_t i = 0; i < test.bridges.size(); ++i) {
      const ExpectedBridge& want = test.bridges[i];
      const auto& bridge = figure->bridges[i];
      SCOPED_TRACE(want.label);
      EXPECT_EQ(Offset(*figure, bridge.from_piece), Marked(test.result, want.from));
      EXPECT_EQ(Offset(*figure, bridge.to_piece), Marked(test.result, want.to));
      EXPECT_EQ(figure->pieces[bridge.from_piece].state, want.from_state);
      EXPECT_EQ(figure->pieces[bridge.to_piece].state, want.to_state);
      EXPECT_EQ(bridge.gained, want.gained);
      EXPECT_EQ(bridge.Label(), want.label);
    }
  }
}

TEST(BridgeFigureTest, OnlyChangingSymbolsCarryAState) {
  const auto figure = FigureOf("KMnO4 =△= K2MnO4 + MnO2 + O2↑", Language::kChinese);
  ASSERT_TRUE(figure);
  std::vector<std::string> marked;
  for (const auto& piece : figure->pieces) {
    if (piece.state) marked.push_back(piece.text + *piece.state);
  }
  // The O of K2MnO4 and MnO2 keeps its -2: no state above it.
  EXPECT_EQ(marked, (std::vector<std::string>{"Mn+7", "O-2", "Mn+6", "Mn+4", "O0"}));
}

TEST(BridgeFigureTest, WordsInEitherLanguage) {
  struct Case {
    Language language;
    const char* name;
    const char* first_line;
    const char* label;
  };
  for (const Case& test : {
           Case{Language::kChinese, "2H2 + O2 = 2H2O 的双线桥",
                "H：0 → +1（H2 → H2O），失去 4×e⁻，化合价升高，被氧化",
                "失去 4×e⁻，化合价升高，被氧化"},
           Case{Language::kEnglish, "electron bridges of 2H2 + O2 = 2H2O",
                "H: 0 → +1 (H2 → H2O), loses 4×e⁻, state rises, oxidised",
                "loses 4×e⁻, state rises, oxidised"},
       }) {
    const auto figure = FigureOf("H2 + O2 = H2O", test.language);
    ASSERT_TRUE(figure);
    EXPECT_EQ(figure->name, test.name);
    EXPECT_EQ(figure->description.substr(0, figure->description.find('\n')), test.first_line);
    EXPECT_EQ(figure->bridges.front().Label(), test.label);
  }
}

TEST(BridgeFigureTest, NoFigureWithoutBridges) {
  for (const char* equation :
       {"NaOH + HCl = NaCl + H2O", "CaCO3 = CaO + CO2", "H2 + O2 = H2O2 + H2"}) {
    SCOPED_TRACE(equation);
    EXPECT_FALSE(FigureOf(equation, Language::kChinese));
  }
  // An answer that did not balance has no details to draw from.
  const auto failed = quorvel::chemistry::Balance("H2 = O2");
  EXPECT_FALSE(MakeBridgeFigure(failed, quorvel::chemistry::Details{}, Language::kChinese));
}

}  // namespace
