#include "caption_label.h"

#include <QEvent>
#include <algorithm>

namespace quorvel::ui {

CaptionLabel::CaptionLabel(const QString& caption, const QFont& font, QPoint top_left,
                           QWidget* parent)
    : QLabel(parent), home_(top_left) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setMargin(0);
  setIndent(0);
  setContentsMargins(0, 0, 0, 0);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::NoFocus);
  setFont(font);
  move(top_left);
  SetCaption(caption);
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  FitCaption();
}

void CaptionLabel::SetRightLimit(int right) {
  right_limit_ = right;
  FitCaption();
}

void CaptionLabel::FitCaption() {
  const QSize wanted = sizeHint();
  QPoint corner = home_;
  if (right_limit_ >= 0 && corner.x() + wanted.width() > right_limit_) {
    corner.setX(std::max(0, right_limit_ - wanted.width()));
  }
  if (pos() != corner) move(corner);
  if (size() != wanted) resize(wanted);
}

void CaptionLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitCaption();
}

}  // namespace quorvel::ui
