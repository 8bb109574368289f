#pragma once

// The 双线桥 of a redox answer as data: the balanced equation in pieces, the
// 化合价 written above each changing element's symbol, and one bridge per
// change from the element in the reactant to the same element in the
// product, 失去 above the line and 得到 below, labelled as textbooks print
// them. LayOut (picture.h) places it for a font size; ToSvg (svg.h) writes it.
//
//   #include "quorvel/drawing/bridges.h"
//
//   const auto answer = quorvel::chemistry::Balance("KMnO4 =△= K2MnO4 + MnO2 + O2↑");
//   const auto details = quorvel::chemistry::Describe(answer).details;
//   if (const auto figure = MakeBridgeFigure(answer, *details, Language::kChinese)) {
//     const Picture picture = LayOut(*figure, {16, 540}, ApproximateMeasure());
//     const std::string svg = ToSvg(picture);
//   }

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"
#include "quorvel/drawing/picture.h"
#include "quorvel/drawing/svg.h"
#include "quorvel/messages.h"

namespace quorvel::drawing {

// One stretch of the balanced equation's text; a changing element's symbol
// is a piece of its own, so that its state and its bridges find it.
struct FigurePiece {
  std::string text;
  bool arrow = false;                // the arrow with its spaces: widened to hold the labels
  std::optional<std::string> state;  // the 化合价 above a changing symbol: "+7", "0"
};

struct FigureBridge {
  std::size_t from_piece = 0;  // the element's symbol in the reactant
  std::size_t to_piece = 0;    // the same element's symbol in the product
  bool gained = false;         // 得到: drawn below the line
  std::string electrons;       // "失去 2×2e⁻"
  std::string effect;          // "化合价升高，被氧化"
  std::string join;            // between the two on one line: "，"
  std::string Label() const { return electrons + join + effect; }
};

struct BridgeFigure {
  std::vector<FigurePiece> pieces;
  std::vector<FigureBridge> bridges;
  std::string name;         // what a screen reader announces
  std::string description;  // the bridges in words, one line each, as the details print them
};

// Empty when the answer is not balanced or not a redox reaction.
std::optional<BridgeFigure> MakeBridgeFigure(const chemistry::Answer& answer,
                                             const chemistry::Details& details,
                                             messages::Language language);

// A bridge's electrons as textbooks count them: "2×2e⁻", "4×e⁻".
std::string ElectronsText(const chemistry::Bridge& bridge);

// A bridge in words, as the details print it:
// "Mn：+7 → +6（KMnO4 → K2MnO4），得到 1×e⁻，化合价降低，被还原".
std::string BridgeLine(const chemistry::Details& details, const chemistry::Bridge& bridge,
                       messages::Language language);

}  // namespace quorvel::drawing
