// The form's table in pixels: exactly the window's pixel geometry at 96 dpi,
// the same layout scaled at larger resolutions, and the credit label that
// stays in the window however wide its caption is.
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
  ASSERT_EQ(std::size(expected), kControls.size());
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    SCOPED_TRACE(kControls[i].name);
    EXPECT_EQ(ToPixels(kControls[i].twips, 96), expected[i]);
  }
  EXPECT_EQ(ClientSize(96).width, 543);
  EXPECT_EQ(ClientSize(96).height, 160);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(FormLayout, ScaledLayoutKeepsControlsApart) {
  struct Case {
    int dpi;
    int width, height;
  };
  for (const Case c :
       {Case{96, 543, 160}, Case{120, 679, 200}, Case{144, 815, 240}, Case{192, 1086, 320}}) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(ClientSize(c.dpi).width, c.width);
    EXPECT_EQ(ClientSize(c.dpi).height, c.height);
    for (const ControlSpec& a : kControls) {
      const PixelRect pa = ToPixels(a.twips, c.dpi);
      // Everything but the matrix box lies inside the client area, which the
      // matrix box lies wholly below.
      if (a.id == ControlId::kText2) {
        EXPECT_GE(pa.top, c.height);
      } else {
        EXPECT_LE(pa.right(), c.width) << a.name;
        EXPECT_LE(pa.bottom(), c.height) << a.name;
      }
      for (const ControlSpec& b : kControls) {
        if (&a >= &b) continue;
        // The button's left edge lies over the equation box's right edge by
        // design: one pixel at 96 dpi, as many as the resolution makes of it.
        const bool designed = a.id == ControlId::kText1 && b.id == ControlId::kCommand1;
        EXPECT_EQ(Overlap(pa, ToPixels(b.twips, c.dpi)), designed) << a.name << " and " << b.name;
      }
    }
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
