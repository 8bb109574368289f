// The picture's places: bridge ends over their symbols, nothing drawn over
// anything else, and the width kept where it can be.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "quorvel/drawing/bridges.h"

namespace {

using quorvel::drawing::ApproximateMeasure;
using quorvel::drawing::Box;
using quorvel::drawing::BridgeFigure;
using quorvel::drawing::LayOut;
using quorvel::drawing::MakeBridgeFigure;
using quorvel::drawing::Picture;
using quorvel::drawing::Point;
using quorvel::drawing::RunRole;
using quorvel::drawing::TextMeasure;
using quorvel::messages::Language;

// Every character as wide as the size, as a CJK font would make them: the
// layout must hold with metrics quite unlike the approximate ones.
class SquareMeasure final : public TextMeasure {
 public:
  double Width(std::string_view utf8, double size) const override {
    double count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count * size;
  }
  double Ascent(double size) const override { return 1.1 * size; }
  double Descent(double size) const override { return 0.3 * size; }
};

BridgeFigure FigureOf(const std::string& equation) {
  const auto answer = quorvel::chemistry::Balance(equation);
  const auto details = quorvel::chemistry::Describe(answer).details;
  EXPECT_TRUE(details) << equation;
  const auto figure = MakeBridgeFigure(answer, *details, Language::kChinese);
  EXPECT_TRUE(figure) << equation;
  return figure.value_or(BridgeFigure{});
}

// Boxes that only touch (the pieces of one formula) do not overlap.
bool Overlap(const Box& a, const Box& b) {
  constexpr double kTouch = 1e-9;
  return a.left + kTouch < b.right() && b.left + kTouch < a.right() &&
         a.top + kTouch < b.bottom() && b.top + kTouch < a.bottom();
}

// A stroke's segment as the box its ink covers.
Box SegmentBox(Point a, Point b, double width) {
  return {std::min(a.x, b.x) - width / 2, std::min(a.y, b.y) - width / 2,
          std::abs(a.x - b.x) + width, std::abs(a.y - b.y) + width};
}

std::vector<Box> SegmentsOf(const Picture& picture, std::size_t bridge) {
  std::vector<Box> boxes;
  const auto& path = picture.bridges[bridge].path;
  for (std::size_t k = 1; k < path.size(); ++k) {
    boxes.push_back(SegmentBox(path[k - 1], path[k], picture.stroke_width));
  }
  return boxes;
}

const std::vector<const char*> kEquations = {"KMnO4 =△= K2MnO4 + MnO2 + O2↑",
                                             "KClO3 + HCl = KCl + Cl2 + H2O",
                                             "Cl2 + NaOH = NaCl + NaClO + H2O",
                                             "H2 + O2 = H2O",
                                             "NH4NO3 = N2O + H2O",
                                             "Cu + HNO3(稀) = Cu(NO3)2 + NO↑ + H2O"};

struct Setting {
  double font;
  double max_width;
  bool square;
};

const std::vector<Setting> kSettings = {
    {12, 0, false}, {16, 540, false}, {24, 540, false}, {16, 0, true}, {21, 300, true}};

std::vector<Picture> Pictures(const BridgeFigure& figure) {
  std::vector<Picture> pictures;
  const ApproximateMeasure approximate;
  const SquareMeasure square;
  for (const Setting& setting : kSettings) {
    pictures.push_back(
        LayOut(figure, {setting.font, setting.max_width},
               setting.square ? static_cast<const TextMeasure&>(square) : approximate));
  }
  return pictures;
}

TEST(BridgeLayoutTest, BridgeEndsStandOverTheirSymbols) {
  for (const char* equation : kEquations) {
    const BridgeFigure figure = FigureOf(equation);
    for (const Picture& picture : Pictures(figure)) {
      SCOPED_TRACE(std::string(equation) + " at " + std::to_string(picture.width));
      ASSERT_EQ(picture.bridges.size(), figure.bridges.size());
      for (std::size_t b = 0; b < figure.bridges.size(); ++b) {
        const auto& path = picture.bridges[b].path;
        const Box& from = picture.runs[picture.piece_runs[figure.bridges[b].from_piece]].box;
        const Box& to = picture.runs[picture.piece_runs[figure.bridges[b].to_piece]].box;
        EXPECT_GT(path.front().x, from.left);
        EXPECT_LT(path.front().x, from.right());
        EXPECT_GT(path.back().x, to.left);
        EXPECT_LT(path.back().x, to.right());
        EXPECT_EQ(picture.bridges[b].head.tip.x, path.back().x);
        // 失去 leaves above the states, 得到 below the line.
        if (figure.bridges[b].gained) {
          EXPECT_GT(path.front().y, from.bottom());
        } else {
          EXPECT_LT(path.front().y, from.top);
          for (const auto& run : picture.runs) {
            if (run.role == RunRole::kState) {
              EXPECT_LT(path.front().y, run.box.top);
            }
          }
        }
      }
    }
  }
}

TEST(BridgeLayoutTest, NothingIsDrawnOverAnythingElse) {
  for (const char* equation : kEquations) {
    const BridgeFigure figure = FigureOf(equation);
    for (const Picture& picture : Pictures(figure)) {
      SCOPED_TRACE(std::string(equation) + " at " + std::to_string(picture.width));
      for (std::size_t i = 0; i < picture.runs.size(); ++i) {
        const Box& run = picture.runs[i].box;
        EXPECT_GE(run.left, 0);
        EXPECT_GE(run.top, 0);
        EXPECT_LE(run.right(), picture.width);
        EXPECT_LE(run.bottom(), picture.height);
        for (std::size_t j = i + 1; j < picture.runs.size(); ++j) {
          if (run.width > 0 && picture.runs[j].box.width > 0) {
            EXPECT_FALSE(Overlap(run, picture.runs[j].box))
                << picture.runs[i].text << " and " << picture.runs[j].text;
          }
        }
        for (std::size_t b = 0; b < picture.bridges.size(); ++b) {
          for (const Box& segment : SegmentsOf(picture, b)) {
            EXPECT_FALSE(Overlap(run, segment)) << picture.runs[i].text << " and bridge " << b;
          }
        }
      }
      // These bridges nest or keep apart: no two lines touch.
      for (std::size_t a = 0; a < picture.bridges.size(); ++a) {
        for (std::size_t b = a + 1; b < picture.bridges.size(); ++b) {
          for (const Box& one : SegmentsOf(picture, a)) {
            for (const Box& other : SegmentsOf(picture, b)) {
              EXPECT_FALSE(Overlap(one, other)) << "bridges " << a << " and " << b;
            }
          }
        }
      }
    }
  }
}

TEST(BridgeLayoutTest, LabelsTakeTwoLinesToKeepWithinTheWidth) {
  const BridgeFigure figure = FigureOf("KMnO4 =△= K2MnO4 + MnO2 + O2↑");
  const ApproximateMeasure measure;
  const Picture wide = LayOut(figure, {16, 0}, measure);
  struct Case {
    double max_width;
    std::size_t label_lines;
    bool wider_than_asked;
  };
  for (const Case& test :
       {Case{wide.width, 1, false}, Case{wide.width - 1, 2, false}, Case{120, 2, true}}) {
    SCOPED_TRACE(test.max_width);
    const Picture picture = LayOut(figure, {16, test.max_width}, measure);
    EXPECT_EQ(picture.bridges.front().label_runs.size(), test.label_lines);
    EXPECT_EQ(picture.wider_than_asked, test.wider_than_asked);
    // Too wide to fit: the picture keeps its width for the front end to scroll.
    EXPECT_EQ(picture.width <= test.max_width, !test.wider_than_asked);
  }
}

TEST(BridgeLayoutTest, ScalesWithTheFontSize) {
  const BridgeFigure figure = FigureOf("Cl2 + NaOH = NaCl + NaClO + H2O");
  const ApproximateMeasure measure;
  const Picture small = LayOut(figure, {16, 0}, measure);
  const Picture large = LayOut(figure, {24, 0}, measure);
  EXPECT_NEAR(large.width / small.width, 1.5, 0.01);
  EXPECT_NEAR(large.height / small.height, 1.5, 0.01);
  EXPECT_EQ(small.name, figure.name);
  EXPECT_EQ(small.description, figure.description);
}

}  // namespace
