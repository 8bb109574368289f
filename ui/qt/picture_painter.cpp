#include "picture_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>

namespace quorvel::ui {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPointF ToQt(const drawing::Point& point) { return {point.x, point.y}; }

}  // namespace

QFont FontAtPixels(const QFont& base, double size) {
  QFont font = base;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
  return font;
}

double QtTextMeasure::Width(std::string_view utf8, double size) const {
  return QFontMetricsF(FontAtPixels(base_, size)).horizontalAdvance(Utf8(utf8));
}

double QtTextMeasure::Ascent(double size) const {
  return QFontMetricsF(FontAtPixels(base_, size)).ascent();
}

double QtTextMeasure::Descent(double size) const {
  return QFontMetricsF(FontAtPixels(base_, size)).descent();
}

void PaintPicture(QPainter& painter, const drawing::Picture& picture, const QFont& base,
                  const QColor& ink) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(ink);
  for (const drawing::TextRun& run : picture.runs) {
    if (run.text.empty()) continue;
    painter.setFont(FontAtPixels(base, run.size));
    painter.drawText(QPointF(run.x, run.baseline), Utf8(run.text));
  }
  painter.setPen(QPen(ink, picture.stroke_width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  for (const drawing::PictureBridge& bridge : picture.bridges) {
    QPolygonF path;
    for (const drawing::Point& point : bridge.path) path << ToQt(point);
    painter.drawPolyline(path);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (const drawing::PictureBridge& bridge : picture.bridges) {
    const QPointF head[] = {ToQt(bridge.head.tip), ToQt(bridge.head.left), ToQt(bridge.head.right)};
    painter.drawPolygon(head, 3);
  }
  painter.restore();
}

QImage PictureImage(const drawing::Picture& picture, const QFont& base, const QColor& ink,
                    const QColor& background, double device_pixel_ratio) {
  const double ratio = device_pixel_ratio > 0 ? device_pixel_ratio : 1;
  const QSize size(std::max(1, static_cast<int>(std::ceil(picture.width * ratio))),
                   std::max(1, static_cast<int>(std::ceil(picture.height * ratio))));
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(background);
  QPainter painter(&image);
  PaintPicture(painter, picture, base, ink);
  return image;
}

}  // namespace quorvel::ui
