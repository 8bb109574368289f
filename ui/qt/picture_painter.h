#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <string_view>
#include <utility>

#include "quorvel/drawing/picture.h"

class QPainter;

namespace quorvel::ui {

// The font a run of `size` pixels is both measured and painted in: the base
// font at that size, rounded to whole pixels as the toolkit sizes fonts.
QFont FontAtPixels(const QFont& base, double size);

// The toolkit's metrics of the font the picture is painted in, so that the
// layout's widths are the painted ones.
class QtTextMeasure final : public drawing::TextMeasure {
 public:
  explicit QtTextMeasure(QFont base) : base_(std::move(base)) {}
  double Width(std::string_view utf8, double size) const override;
  double Ascent(double size) const override;
  double Descent(double size) const override;

 private:
  QFont base_;
};

// Paints the picture exactly as laid out, its top-left corner at the
// painter's origin: the runs in the base font at their sizes, the bridges as
// lines of the picture's stroke width, the arrow heads filled.
void PaintPicture(QPainter& painter, const drawing::Picture& picture, const QFont& base,
                  const QColor& ink);

// The picture alone on `background`, at `device_pixel_ratio` device pixels
// to the picture's pixel.
QImage PictureImage(const drawing::Picture& picture, const QFont& base, const QColor& ink,
                    const QColor& background, double device_pixel_ratio);

}  // namespace quorvel::ui
