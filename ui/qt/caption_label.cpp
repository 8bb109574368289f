#include "caption_label.h"

#include <QEvent>

#include "form/layout.h"

namespace quorvel::ui {

CaptionLabel::CaptionLabel(form::ControlId id, int dpi, QWidget* parent)
    : QLabel(parent), id_(id), dpi_(dpi) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setMargin(0);
  setIndent(0);
  setContentsMargins(0, 0, 0, 0);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  FitCaption();
}

void CaptionLabel::FitCaption() {
  const QSize wanted = sizeHint();
  const form::PixelRect place = form::PlaceLabel(id_, {wanted.width(), wanted.height()}, dpi_);
  const QRect target(place.left, place.top + row_shift_, place.width, place.height);
  if (geometry() != target) setGeometry(target);
}

void CaptionLabel::SetRowShift(int pixels) {
  row_shift_ = pixels;
  FitCaption();
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitCaption();
}

}  // namespace quorvel::ui
