#include "form/layout.h"

#include <algorithm>
#include <cstdint>

namespace quorvel::form {

int TwipsToPixels(int twips, int dpi) {
  const std::int64_t scaled = std::int64_t{twips} * dpi;
  const std::int64_t half = kTwipsPerInch / 2;
  // Floor division, so negative positions round the same way as positive ones.
  const std::int64_t shifted = scaled + half;
  std::int64_t pixels = shifted / kTwipsPerInch;
  if (shifted % kTwipsPerInch < 0) --pixels;
  return static_cast<int>(pixels);
}

PixelRect ToPixels(const TwipsRect& twips, int dpi) {
  const int left = TwipsToPixels(twips.left, dpi);
  const int top = TwipsToPixels(twips.top, dpi);
  return {left, top, TwipsToPixels(twips.left + twips.width, dpi) - left,
          TwipsToPixels(twips.top + twips.height, dpi) - top};
}

PixelSize ClientSize(int dpi) {
  const PixelRect client = ToPixels(kClientArea, dpi);
  return {client.width, client.height};
}

PixelRect PlaceLabel(ControlId id, PixelSize extent, int dpi) {
  const PixelRect home = ToPixels(TableEntry(id).twips, dpi);
  PixelRect placed{home.left, home.top, extent.width, extent.height};
  if (id == ControlId::kLabel5) {
    const int button_right = ToPixels(TableEntry(ControlId::kCommand1).twips, dpi).right();
    const int box_right = ToPixels(TableEntry(ControlId::kText3).twips, dpi).right();
    if (placed.right() > button_right) placed.left = button_right - extent.width;
    // Wider still (a face that runs wider than the reference one): the
    // strip up to the window's edge is used before the result box is covered.
    if (placed.left < box_right) {
      placed.left = std::min(box_right, ClientSize(dpi).width - extent.width);
    }
    placed.left = std::max(0, placed.left);
  }
  return placed;
}

}  // namespace quorvel::form
