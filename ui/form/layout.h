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

}  // namespace quorvel::form
