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

FormPlaces::FormPlaces(int dpi, bool chemistry, const PaneContent& pane)
    : dpi_(dpi), chemistry_(chemistry), client_(ClientSize(dpi)) {
  if (!chemistry) return;
  const PixelRect picture_home = ToPixels(TableEntry(ControlId::kPicture1).twips, dpi);
  const PixelRect details_home = ToPixels(TableEntry(ControlId::kText4).twips, dpi);
  picture_ = {picture_home.left, picture_home.top, picture_home.width,
              std::max(0, pane.picture_height)};
  const int lines = std::clamp(pane.text_lines, 1, kPaneMaxLines);
  const int wanted = lines * std::max(0, pane.line_height) + std::max(0, pane.frame);
  details_ = {details_home.left, picture_.bottom(), details_home.width,
              std::max(details_home.height, wanted)};
  below_details_ = details_.bottom() - details_home.bottom();
  client_.height = TwipsToPixels(kPaneClientHeightTwips, dpi) + below_details_;
}

int FormPlaces::Shift(ControlId id) const {
  if (id == ControlId::kText2) return client_.height - ClientSize(dpi_).height;
  if (id == ControlId::kLabel8 || id == ControlId::kText5) return below_details_;
  return 0;
}

PixelRect FormPlaces::Place(ControlId id) const {
  if (chemistry_ && id == ControlId::kPicture1) return picture_;
  if (chemistry_ && id == ControlId::kText4) return details_;
  PixelRect place = ToPixels(TableEntry(id).twips, dpi_);
  place.top += Shift(id);
  return place;
}

PixelRect FormPlaces::PlaceLabel(ControlId id, PixelSize extent) const {
  PixelRect place = form::PlaceLabel(id, extent, dpi_);
  place.top += Shift(id);
  return place;
}

}  // namespace quorvel::form
