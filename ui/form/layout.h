#pragma once

// From the table's twips to a screen's pixels, and where a label that takes
// its caption's size stands.
#include "form/controls.h"

namespace quorvel::form {

struct PixelRect {
  int left;
  int top;
  int width;
  int height;
  constexpr int right() const { return left + width; }   // one past the last column
  constexpr int bottom() const { return top + height; }  // one past the last row
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
  int width;
  int height;
};

// Twips at `dpi` dots per inch, an exact half rounded up: at 96 dpi every
// figure of the table is a whole number of pixels.
int TwipsToPixels(int twips, int dpi);

// Both edges are converted, not the size: controls that touch in twips touch
// in pixels at every dpi.
PixelRect ToPixels(const TwipsRect& twips, int dpi);

// The client area: 543 x 160 at 96 dpi.
PixelSize ClientSize(int dpi);

// A label is exactly as large as its caption (`extent`, measured by the
// toolkit in the label's font) and grows to the right from its corner. The
// maker's credit, which can be wider than the room right of the result box,
// ends in line with the button above it instead of being cut off; wider than
// that, it takes the strip up to the window's edge before it covers the box.
PixelRect PlaceLabel(ControlId id, PixelSize extent, int dpi);

// The 详解 pane grows with its text up to this many lines, then scrolls.
inline constexpr int kPaneMaxLines = 12;

// What the pane holds, as the toolkit measured it in pixels.
struct PaneContent {
  int picture_height = 0;  // the drawing's height at the pane's width; 0: nothing drawn
  int text_lines = 1;      // lines the details take at Text4's width
  int line_height = 0;     // of Text4's font
  int frame = 0;           // Text4's frame and margins, above and below together
};

// Every control's place in one mode. The default mode is the table as it
// stands (ToPixels, PlaceLabel, ClientSize) and shows none of the pane; the
// chemistry mode grows the window under the CPU line for the pane, and the
// matrix box stays below the client area in both.
class FormPlaces {
 public:
  FormPlaces(int dpi, bool chemistry, const PaneContent& pane = {});

  PixelSize Client() const { return client_; }
  bool Shown(ControlId id) const { return chemistry_ || !InChemistryPane(id); }
  // A box's, a button's or the drawing's place.
  PixelRect Place(ControlId id) const;
  // A label's, from the size of its caption.
  PixelRect PlaceLabel(ControlId id, PixelSize extent) const;

 private:
  // How far a row of the table moves down in this mode.
  int Shift(ControlId id) const;

  int dpi_;
  bool chemistry_;
  PixelSize client_;
  PixelRect picture_{};
  PixelRect details_{};
  int below_details_ = 0;  // the shift of the rows under Text4
};

}  // namespace quorvel::form
