// The form's table in pixels: exactly the window's pixel geometry at 96 dpi,
// the same layout scaled at larger resolutions, the credit label that stays in
// the window however wide its caption is, and the chemistry mode's pane, which
// grows with its text and leaves the default form as it was.
#include <gtest/gtest.h>

#include <string>

#include "form/layout.h"

namespace quorvel::form {
namespace {

TEST(FormLayout, PixelsAt96Dpi) {
  // Left, top, width, height in pixels, as the window is drawn at 96 dpi.
  const PixelRect expected[] = {
      {8, 0, 456, 14},    {8, 16, 504, 14},  {8, 32, 492, 14},    {0, 56, 64, 22},
      {64, 56, 393, 25},  {456, 56, 81, 25}, {0, 104, 63, 22},    {64, 104, 393, 25},
      {480, 112, 53, 22}, {0, 136, 183, 19}, {416, 176, 113, 33},
  };
  const FormPlaces places(96, false);
  std::size_t default_rows = 0;
  for (const ControlSpec& entry : kControls) {
    SCOPED_TRACE(entry.name);
    if (InChemistryPane(entry.id)) {
      EXPECT_FALSE(places.Shown(entry.id));
      continue;
    }
    ASSERT_LT(default_rows, std::size(expected));
    EXPECT_TRUE(places.Shown(entry.id));
    EXPECT_EQ(ToPixels(entry.twips, 96), expected[default_rows]);
    EXPECT_EQ(places.Place(entry.id), expected[default_rows]);
    ++default_rows;
  }
  EXPECT_EQ(default_rows, std::size(expected));
  EXPECT_EQ(ClientSize(96).width, 543);
  EXPECT_EQ(ClientSize(96).height, 160);
  EXPECT_EQ(places.Client().width, 543);
  EXPECT_EQ(places.Client().height, 160);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// A label's place with its caption as large as the table's reference face.
PixelRect PlaceAt(const FormPlaces& places, const ControlSpec& entry, int dpi) {
  if (entry.kind != ControlKind::kLabel) return places.Place(entry.id);
  const PixelRect home = ToPixels(entry.twips, dpi);
  return places.PlaceLabel(entry.id, {home.width, home.height});
}

TEST(FormLayout, ScaledLayoutKeepsControlsApart) {
  struct Case {
    int dpi;
    int width, height;
  };
  // The pane empty, with a drawing and a few lines, and at its limit and over
  // it, in the box font's line height at that resolution.
  const PaneContent panes[] = {{0, 1, 19, 6}, {120, 5, 19, 6}, {0, 12, 19, 6}, {300, 40, 19, 6}};
  for (const Case c :
       {Case{96, 543, 160}, Case{120, 679, 200}, Case{144, 815, 240}, Case{192, 1086, 320}}) {
    EXPECT_EQ(ClientSize(c.dpi).width, c.width);
    EXPECT_EQ(ClientSize(c.dpi).height, c.height);
    for (int mode = 0; mode < 5; ++mode) {
      const bool chemistry = mode > 0;
      PaneContent pane = chemistry ? panes[mode - 1] : PaneContent{};
      pane.line_height = pane.line_height * c.dpi / 96;
      pane.picture_height = pane.picture_height * c.dpi / 96;
      SCOPED_TRACE(std::to_string(c.dpi) + " dpi, mode " + std::to_string(mode));
      const FormPlaces places(c.dpi, chemistry, pane);
      EXPECT_EQ(places.Client().width, c.width);
      if (!chemistry) {
        EXPECT_EQ(places.Client().height, c.height);
      }
      for (const ControlSpec& a : kControls) {
        EXPECT_EQ(places.Shown(a.id), chemistry || !InChemistryPane(a.id)) << a.name;
        if (!places.Shown(a.id)) continue;
        const PixelRect pa = PlaceAt(places, a, c.dpi);
        // Everything but the matrix box lies inside the client area, which
        // the matrix box lies wholly below, in both modes.
        if (a.id == ControlId::kText2) {
          EXPECT_GE(pa.top, places.Client().height);
        } else {
          EXPECT_LE(pa.right(), places.Client().width) << a.name;
          EXPECT_LE(pa.bottom(), places.Client().height) << a.name;
        }
        for (const ControlSpec& b : kControls) {
          if (&a >= &b || !places.Shown(b.id)) continue;
          // The button's left edge lies over the equation box's right edge by
          // design: one pixel at 96 dpi, as many as the resolution makes of it.
          const bool designed = a.id == ControlId::kText1 && b.id == ControlId::kCommand1;
          EXPECT_EQ(Overlap(pa, PlaceAt(places, b, c.dpi)), designed)
              << a.name << " and " << b.name;
        }
      }
    }
  }
}

TEST(FormLayout, PaneFollowsItsTextUpToItsLimit) {
  struct Case {
    PaneContent pane;
    int dpi;
    PixelRect picture, details, given_box;
    int client_height;
  };
  const Case cases[] = {
      // Empty: one box line, the 已知 row under it.
      {{0, 0, 19, 6}, 96, {8, 160, 527, 0}, {8, 160, 527, 25}, {64, 193, 393, 25}, 226},
      {{0, 1, 19, 6}, 96, {8, 160, 527, 0}, {8, 160, 527, 25}, {64, 193, 393, 25}, 226},
      // Grows with each line...
      {{0, 2, 19, 6}, 96, {8, 160, 527, 0}, {8, 160, 527, 44}, {64, 212, 393, 25}, 245},
      {{0, 12, 19, 6}, 96, {8, 160, 527, 0}, {8, 160, 527, 234}, {64, 402, 393, 25}, 435},
      // ...and scrolls past twelve.
      {{0, 30, 19, 6}, 96, {8, 160, 527, 0}, {8, 160, 527, 234}, {64, 402, 393, 25}, 435},
      // The drawing stands above the text and pushes it down.
      {{90, 2, 19, 6}, 96, {8, 160, 527, 90}, {8, 250, 527, 44}, {64, 302, 393, 25}, 335},
      // At 144 dpi from the table's scaled places.
      {{0, 2, 28, 9}, 144, {12, 240, 791, 0}, {12, 240, 791, 65}, {96, 317, 590, 37}, 366},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pane.text_lines) + " lines at " + std::to_string(c.dpi));
    const FormPlaces places(c.dpi, true, c.pane);
    EXPECT_EQ(places.Place(ControlId::kPicture1), c.picture);
    EXPECT_EQ(places.Place(ControlId::kText4), c.details);
    EXPECT_EQ(places.Place(ControlId::kText5), c.given_box);
    EXPECT_EQ(places.Client().height, c.client_height);
    EXPECT_EQ(places.Client().width, ClientSize(c.dpi).width);
  }
}

TEST(FormLayout, LabelsTakeTheirCaptionsSize) {
  struct Case {
    ControlId id;
    PixelSize extent;
    int dpi;
    PixelRect placed;
  };
  const Case cases[] = {
      // A label grows and shrinks to the right of its corner.
      {ControlId::kLabel7, {300, 19}, 96, {0, 136, 300, 19}},
      {ControlId::kLabel7, {10, 19}, 96, {0, 136, 10, 19}},
      {ControlId::kLabel7, {300, 28}, 144, {0, 204, 300, 28}},
      // The credit fits right of the result box...
      {ControlId::kLabel5, {53, 22}, 96, {480, 112, 53, 22}},
      {ControlId::kLabel5, {57, 22}, 96, {480, 112, 57, 22}},
      // ...or ends in line with the button above it, never cut off.
      {ControlId::kLabel5, {70, 22}, 96, {467, 112, 70, 22}},
      {ControlId::kLabel5, {100, 33}, 144, {706, 168, 100, 33}},
      // Wider than that: up to the window's edge, clear of the result box
      // (which ends at 457) as long as the window has room for it.
      {ControlId::kLabel5, {85, 22}, 96, {457, 112, 85, 22}},
      {ControlId::kLabel5, {86, 22}, 96, {457, 112, 86, 22}},
      {ControlId::kLabel5, {90, 22}, 96, {453, 112, 90, 22}},
      {ControlId::kLabel5, {900, 22}, 96, {0, 112, 900, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(TableEntry(c.id).name) + " at " + std::to_string(c.dpi));
    EXPECT_EQ(PlaceLabel(c.id, c.extent, c.dpi), c.placed);
  }
}

}  // namespace
}  // namespace quorvel::form
