#pragma once

#include <QLabel>

namespace quorvel::ui {

// A label exactly as large as its one-line caption, growing and shrinking to
// the right from a fixed top-left corner whenever the caption or font changes.
class CaptionLabel : public QLabel {
 public:
  CaptionLabel(const QString& caption, const QFont& font, QPoint top_left, QWidget* parent);

  void SetCaption(const QString& caption);
  // Keeps the label's right edge at or left of `right`: a caption too wide
  // for the room right of its corner moves left instead of being cut off by
  // the window's edge. Without a limit the label only grows to the right.
  void SetRightLimit(int right);
  void FitCaption();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QPoint home_;
  int right_limit_ = -1;
};

}  // namespace quorvel::ui
