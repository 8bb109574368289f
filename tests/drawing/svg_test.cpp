// What the SVG must carry for a reader: escaped text, its words, no script.

#include "quorvel/drawing/svg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using quorvel::drawing::Picture;
using quorvel::drawing::TextRun;
using quorvel::drawing::ToSvg;

TEST(BridgeSvgTest, TextIsEscapedWherePlaced) {
  Picture picture;
  picture.width = 100.4;
  picture.height = 40;
  picture.name = "A <=> B & \"C\"";
  picture.description = "line 1\nline 2 <script>";
  TextRun run;
  run.text = "H2 <=> 2H";
  run.x = 1.005;
  run.baseline = 20;
  run.size = 16;
  run.box.width = 60;
  picture.runs.push_back(run);
  picture.runs.push_back(TextRun{});  // an empty run writes no element
  const std::string svg = ToSvg(picture);
  for (const char* part :
       {"<title id=\"title\">A &lt;=&gt; B &amp; &quot;C&quot;</title>",
        "<desc id=\"desc\">line 1\nline 2 &lt;script&gt;</desc>", ">H2 &lt;=&gt; 2H</text>",
        "width=\"101\" height=\"40\"", "font-family=\"&apos;Noto Sans CJK SC&apos;"}) {
    EXPECT_NE(svg.find(part), std::string::npos) << part << "\n" << svg;
  }
  EXPECT_EQ(svg.find("<script"), std::string::npos);
  EXPECT_EQ(svg.find("<text", svg.find("</text>")), std::string::npos);
}

TEST(BridgeSvgTest, ControlCharactersNeverReachTheXml) {
  Picture picture;
  picture.name = std::string(
      "a\x01"
      "b");
  const std::string svg = ToSvg(picture);
  EXPECT_EQ(svg.find('\x01'), std::string::npos);
  EXPECT_NE(svg.find("a\xEF\xBF\xBD"
                     "b"),
            std::string::npos);
}

}  // namespace
