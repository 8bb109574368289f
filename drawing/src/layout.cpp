// The figure's places for one font size. Every bridge runs from a reactant
// across the arrow to a product, so the labels are stacked over the arrow,
// which is widened until the widest label fits between the last reactant's
// bridge end and the first product's: no bridge end passes through a label
// there. Each bridge of a side has a height of its own, the narrowest nearest
// the equation, so that a bridge nested in another stays inside it.

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "quorvel/drawing/bridges.h"

namespace quorvel::drawing {
namespace {

constexpr double kSmallScale = 0.75;  // states and labels, against the equation's size

struct Sizes {
  double font = 0;
  double small = 0;
  double gap = 0;
  double head = 0;
  double rise = 0;  // the shortest stretch of a bridge out of the equation
  double ascent = 0;
  double descent = 0;
  double small_ascent = 0;
  double small_descent = 0;
  double small_line() const { return small_ascent + small_descent; }
};

Sizes SizesFor(double font, const TextMeasure& measure) {
  Sizes sizes;
  sizes.font = font;
  sizes.small = font * kSmallScale;
  sizes.gap = font * 0.2;
  sizes.head = font * 0.35;
  sizes.rise = font * 0.6;
  sizes.ascent = measure.Ascent(font);
  sizes.descent = measure.Descent(font);
  sizes.small_ascent = measure.Ascent(sizes.small);
  sizes.small_descent = measure.Descent(sizes.small);
  return sizes;
}

struct Row {
  std::vector<double> left;
  std::vector<double> width;
  double center(std::size_t piece) const { return left[piece] + width[piece] / 2; }
};

Row PlaceRow(const std::vector<double>& widths, std::size_t arrow, double extra) {
  Row row;
  double x = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const double width = widths[i] + (i == arrow ? extra : 0);
    row.left.push_back(x);
    row.width.push_back(width);
    x += width;
  }
  return row;
}

struct Ends {
  std::vector<double> from;
  std::vector<double> to;
};

// Where each bridge leaves and meets its symbols. Bridges sharing a symbol
// on one side take places across its width: those going left first, each
// side's farthest outermost, so that they nest rather than cross.
Ends BridgeEnds(const BridgeFigure& figure, const Row& row) {
  struct Attached {
    std::size_t bridge;
    bool from;
    double other;
  };
  std::vector<std::vector<Attached>> at(figure.pieces.size() * 2);
  for (std::size_t b = 0; b < figure.bridges.size(); ++b) {
    const FigureBridge& bridge = figure.bridges[b];
    const std::size_t side = bridge.gained ? 1 : 0;
    at[bridge.from_piece * 2 + side].push_back({b, true, row.center(bridge.to_piece)});
    at[bridge.to_piece * 2 + side].push_back({b, false, row.center(bridge.from_piece)});
  }
  Ends ends{std::vector<double>(figure.bridges.size()), std::vector<double>(figure.bridges.size())};
  for (std::size_t slot = 0; slot < at.size(); ++slot) {
    auto& list = at[slot];
    const std::size_t piece = slot / 2;
    const double here = row.center(piece);
    std::stable_sort(list.begin(), list.end(), [here](const Attached& a, const Attached& b) {
      const bool a_right = a.other > here;
      const bool b_right = b.other > here;
      if (a_right != b_right) return !a_right;
      return a.other > b.other;
    });
    for (std::size_t k = 0; k < list.size(); ++k) {
      const double x = row.left[piece] + row.width[piece] * static_cast<double>(k + 1) /
                                             static_cast<double>(list.size() + 1);
      (list[k].from ? ends.from : ends.to)[list[k].bridge] = x;
    }
  }
  return ends;
}

std::size_t LeadingSpaces(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? text.size() : first;
}

TextRun MakeRun(std::string text, double x, double baseline, double size, const Sizes& sizes,
                const TextMeasure& measure, RunRole role) {
  const bool small = role != RunRole::kEquation;
  const double ascent = small ? sizes.small_ascent : sizes.ascent;
  const double descent = small ? sizes.small_descent : sizes.descent;
  const double width = measure.Width(text, size);
  return {
      std::move(text), x, baseline, size, {x, baseline - ascent, width, ascent + descent}, role};
}

void AddEquationRuns(const BridgeFigure& figure, const Row& row, std::size_t arrow, double extra,
                     const Sizes& sizes, const TextMeasure& measure, Picture& picture) {
  for (std::size_t i = 0; i < figure.pieces.size(); ++i) {
    const std::string& text = figure.pieces[i].text;
    const std::size_t lead = LeadingSpaces(text);
    const std::size_t end = text.find_last_not_of(' ');
    std::string trimmed =
        end == std::string::npos ? std::string() : text.substr(lead, end + 1 - lead);
    const double x = row.left[i] + (i == arrow ? extra / 2 : 0) +
                     measure.Width(std::string_view(text).substr(0, lead), sizes.font);
    picture.piece_runs.push_back(picture.runs.size());
    picture.runs.push_back(
        MakeRun(std::move(trimmed), x, 0, sizes.font, sizes, measure, RunRole::kEquation));
  }
  // The states, centred over their symbols, pushed right where two would touch.
  const double baseline = -sizes.ascent - sizes.gap - sizes.small_descent;
  double last_right = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < figure.pieces.size(); ++i) {
    if (!figure.pieces[i].state) continue;
    const std::string& state = *figure.pieces[i].state;
    const double width = measure.Width(state, sizes.small);
    const double x = std::max(row.center(i) - width / 2, last_right + sizes.gap / 2);
    picture.runs.push_back(
        MakeRun(state, x, baseline, sizes.small, sizes, measure, RunRole::kState));
    last_right = x + width;
  }
}

std::vector<std::string> LabelLines(const FigureBridge& bridge, bool two_lines) {
  if (two_lines) return {bridge.electrons, bridge.effect};
  return {bridge.Label()};
}

void AddBridges(const BridgeFigure& figure, const Ends& ends, std::optional<double> label_center,
                bool two_lines, const Sizes& sizes, const TextMeasure& measure, Picture& picture) {
  const double top_start = -sizes.ascent - sizes.gap - sizes.small_line() - sizes.gap;
  const double bottom_start = sizes.descent + sizes.gap;
  picture.bridges.resize(figure.bridges.size());
  for (const bool gained : {false, true}) {
    std::vector<std::size_t> order;
    for (std::size_t b = 0; b < figure.bridges.size(); ++b) {
      if (figure.bridges[b].gained == gained) order.push_back(b);
    }
    std::stable_sort(order.begin(), order.end(), [&ends](std::size_t a, std::size_t b) {
      return std::abs(ends.to[a] - ends.from[a]) < std::abs(ends.to[b] - ends.from[b]);
    });
    const double outward = gained ? 1 : -1;
    const double start = gained ? bottom_start : top_start;
    double level = start + outward * sizes.rise;
    for (const std::size_t b : order) {
      const FigureBridge& bridge = figure.bridges[b];
      PictureBridge& drawn = picture.bridges[b];
      drawn.gained = gained;
      const double from = ends.from[b];
      const double to = ends.to[b];
      drawn.path = {{from, start}, {from, level}, {to, level}, {to, start}};
      drawn.head = {{to, start},
                    {to - sizes.head / 2, start + outward * sizes.head},
                    {to + sizes.head / 2, start + outward * sizes.head}};
      const std::vector<std::string> lines = LabelLines(bridge, two_lines);
      const double block = static_cast<double>(lines.size()) * sizes.small_line();
      const double block_top = gained ? level + sizes.gap : level - sizes.gap - block;
      const double center = label_center.value_or((from + to) / 2);
      for (std::size_t k = 0; k < lines.size(); ++k) {
        const double width = measure.Width(lines[k], sizes.small);
        const double baseline =
            block_top + static_cast<double>(k) * sizes.small_line() + sizes.small_ascent;
        drawn.label_runs.push_back(picture.runs.size());
        picture.runs.push_back(MakeRun(lines[k], center - width / 2, baseline, sizes.small, sizes,
                                       measure, RunRole::kLabel));
      }
      level = gained ? block_top + block + sizes.gap : block_top - sizes.gap;
    }
  }
}

void Translate(Picture& picture, double dx, double dy) {
  for (TextRun& run : picture.runs) {
    run.x += dx;
    run.baseline += dy;
    run.box.left += dx;
    run.box.top += dy;
  }
  for (PictureBridge& bridge : picture.bridges) {
    for (Point& point : bridge.path) point = {point.x + dx, point.y + dy};
    for (Point* point : {&bridge.head.tip, &bridge.head.left, &bridge.head.right}) {
      *point = {point->x + dx, point->y + dy};
    }
  }
}

// Moves the picture to its margin and measures it.
void Frame(Picture& picture, double margin) {
  double min_x = std::numeric_limits<double>::infinity();
  double min_y = min_x;
  double max_x = -min_x;
  double max_y = -min_x;
  const auto take = [&](double x, double y) {
    min_x = std::min(min_x, x);
    min_y = std::min(min_y, y);
    max_x = std::max(max_x, x);
    max_y = std::max(max_y, y);
  };
  for (const TextRun& run : picture.runs) {
    take(run.box.left, run.box.top);
    take(run.box.right(), run.box.bottom());
  }
  for (const PictureBridge& bridge : picture.bridges) {
    for (const Point& point : bridge.path) take(point.x, point.y);
    for (const Point& point : {bridge.head.tip, bridge.head.left, bridge.head.right}) {
      take(point.x, point.y);
    }
  }
  Translate(picture, margin - min_x, margin - min_y);
  picture.width = max_x - min_x + 2 * margin;
  picture.height = max_y - min_y + 2 * margin;
}

Picture Place(const BridgeFigure& figure, double font, bool two_lines, const TextMeasure& measure) {
  const Sizes sizes = SizesFor(font, measure);
  std::vector<double> widths;
  std::size_t arrow = figure.pieces.size();
  for (std::size_t i = 0; i < figure.pieces.size(); ++i) {
    widths.push_back(measure.Width(figure.pieces[i].text, font));
    if (figure.pieces[i].arrow && arrow == figure.pieces.size()) arrow = i;
  }
  Row row = PlaceRow(widths, arrow, 0);
  Ends ends = BridgeEnds(figure, row);

  // The labels stand over the arrow when every bridge crosses it (an
  // electrode's subtracted species may not); otherwise over their own bridge.
  const bool across = std::all_of(figure.bridges.begin(), figure.bridges.end(),
                                  [arrow](const FigureBridge& bridge) {
                                    return bridge.from_piece < arrow && bridge.to_piece > arrow;
                                  });
  double extra = 0;
  std::optional<double> label_center;
  if (across && !figure.bridges.empty()) {
    double widest = 0;
    for (const FigureBridge& bridge : figure.bridges) {
      for (const std::string& line : LabelLines(bridge, two_lines)) {
        widest = std::max(widest, measure.Width(line, sizes.small));
      }
    }
    const double last_from = *std::max_element(ends.from.begin(), ends.from.end());
    const double first_to = *std::min_element(ends.to.begin(), ends.to.end());
    extra = std::max(0.0, widest + 2 * sizes.gap - (first_to - last_from));
    row = PlaceRow(widths, arrow, extra);
    ends = BridgeEnds(figure, row);
    label_center = (last_from + *std::min_element(ends.to.begin(), ends.to.end())) / 2;
  }

  Picture picture;
  picture.stroke_width = std::max(1.0, font / 16);
  AddEquationRuns(figure, row, arrow, extra, sizes, measure, picture);
  AddBridges(figure, ends, label_center, two_lines, sizes, measure, picture);
  Frame(picture, sizes.gap + picture.stroke_width);
  return picture;
}

}  // namespace

Picture LayOut(const BridgeFigure& figure, const LayoutMetrics& metrics,
               const TextMeasure& measure) {
  Picture picture = Place(figure, metrics.font_size, false, measure);
  if (metrics.max_width > 0 && picture.width > metrics.max_width) {
    picture = Place(figure, metrics.font_size, true, measure);
    picture.wider_than_asked = picture.width > metrics.max_width;
  }
  picture.name = figure.name;
  picture.description = figure.description;
  return picture;
}

}  // namespace quorvel::drawing
