#pragma once

// A figure placed for one font size: text runs, strokes and arrow heads in
// pixels, y growing downwards, for any painter to draw as they are.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::drawing {

struct BridgeFigure;

struct Point {
  double x = 0;
  double y = 0;
};

struct Box {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

enum class RunRole { kEquation, kState, kLabel };

struct TextRun {
  std::string text;  // UTF-8, no leading or trailing spaces
  double x = 0;      // where the run starts
  double baseline = 0;
  double size = 0;  // font pixel size
  Box box;          // the run's width from the measure, its ascent and descent
  RunRole role = RunRole::kEquation;
};

// A filled triangle at the end of a bridge, its tip on the symbol's side.
struct ArrowHead {
  Point tip;
  Point left;
  Point right;
};

struct PictureBridge {
  std::vector<Point> path;  // from the reactant's symbol, out, across, back to the product's
  ArrowHead head;
  std::vector<std::size_t> label_runs;  // indices into Picture::runs
  bool gained = false;
};

struct Picture {
  double width = 0;
  double height = 0;
  double stroke_width = 1;
  std::vector<TextRun> runs;
  std::vector<std::size_t> piece_runs;  // the run of each figure piece, in the figure's order
  std::vector<PictureBridge> bridges;   // in the figure's order
  // Wider than LayoutMetrics::max_width even with two-line labels: the front
  // end scrolls. A bridge runs from a reactant to a product, so the rows of a
  // wrapped equation would leave it nowhere to go.
  bool wider_than_asked = false;
  std::string name;
  std::string description;
};

struct LayoutMetrics {
  double font_size = 16;  // the equation's pixel size; states and labels are smaller
  double max_width = 0;   // 0 for no limit
};

// A front end's font metrics: the width of a UTF-8 run at a pixel size, and
// the font's ascent and descent at that size.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual double Width(std::string_view utf8, double size) const = 0;
  virtual double Ascent(double size) const { return 0.9 * size; }
  virtual double Descent(double size) const { return 0.25 * size; }
};

// Widths from character classes (CJK, Latin, digits), a little generous, for
// the SVG, whose reader picks the font it has.
class ApproximateMeasure final : public TextMeasure {
 public:
  double Width(std::string_view utf8, double size) const override;
};

// Places the figure: labels on one line if the picture then fits in
// max_width, otherwise on two (electrons above their effect).
Picture LayOut(const BridgeFigure& figure, const LayoutMetrics& metrics,
               const TextMeasure& measure);

}  // namespace quorvel::drawing
