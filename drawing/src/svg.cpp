// The picture as a standalone SVG document for a worksheet or a web page.

#include "quorvel/drawing/svg.h"

#include <cmath>
#include <string>

namespace quorvel::drawing {
namespace {

// A length with at most two decimals, whatever the locale. Written from whole
// hundredths: not every standard library has to_chars for floating point.
std::string Number(double value) {
  const long long hundredths = std::llround(value * 100);
  const unsigned long long size =
      static_cast<unsigned long long>(hundredths < 0 ? -hundredths : hundredths);
  std::string out = hundredths < 0 ? "-" : "";
  out += std::to_string(size / 100);
  const unsigned long long fraction = size % 100;
  if (fraction != 0) {
    out += '.';
    out += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
  }
  return out;
}

// Text as XML character data or an attribute value; control characters,
// which XML cannot carry, become U+FFFD.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') {
          out += "\xEF\xBF\xBD";
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string PointList(std::initializer_list<Point> points) {
  std::string out;
  for (const Point& point : points) {
    if (!out.empty()) out += ' ';
    out += Number(point.x) + ',' + Number(point.y);
  }
  return out;
}

}  // namespace

std::string ToSvg(const Picture& picture) {
  const std::string width = Number(std::ceil(picture.width));
  const std::string height = Number(std::ceil(picture.height));
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
         "\" viewBox=\"0 0 " + width + ' ' + height +
         "\" role=\"img\" aria-labelledby=\"title desc\">\n";
  svg += "<title id=\"title\">" + Escaped(picture.name) + "</title>\n";
  svg += "<desc id=\"desc\">" + Escaped(picture.description) + "</desc>\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  svg += "<g font-family=\"" + Escaped(kSvgFontFamily) + "\" fill=\"#000000\">\n";
  for (const TextRun& run : picture.runs) {
    if (run.text.empty()) continue;
    svg += "<text x=\"" + Number(run.x) + "\" y=\"" + Number(run.baseline) + "\" font-size=\"" +
           Number(run.size) + "\" textLength=\"" + Number(run.box.width) +
           "\" lengthAdjust=\"spacingAndGlyphs\">" + Escaped(run.text) + "</text>\n";
  }
  svg += "</g>\n<g fill=\"none\" stroke=\"#000000\" stroke-width=\"" +
         Number(picture.stroke_width) + "\" stroke-linejoin=\"miter\">\n";
  for (const PictureBridge& bridge : picture.bridges) {
    std::string points;
    for (const Point& point : bridge.path) {
      if (!points.empty()) points += ' ';
      points += Number(point.x) + ',' + Number(point.y);
    }
    svg += "<polyline points=\"" + points + "\"/>\n";
  }
  svg += "</g>\n<g fill=\"#000000\">\n";
  for (const PictureBridge& bridge : picture.bridges) {
    svg += "<polygon points=\"" +
           PointList({bridge.head.tip, bridge.head.left, bridge.head.right}) + "\"/>\n";
  }
  svg += "</g>\n</svg>\n";
  return svg;
}

}  // namespace quorvel::drawing
