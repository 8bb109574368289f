#pragma once

#include <QLabel>

#include "form/controls.h"

namespace quorvel::ui {

// A label exactly as large as its one-line caption, placed by the form's
// label rule (form/layout.h) whenever the caption or font changes.
class CaptionLabel : public QLabel {
 public:
  CaptionLabel(form::ControlId id, int dpi, QWidget* parent);

  void SetCaption(const QString& caption);
  void FitCaption();
  // How far below its row in the table the label stands (the 已知 caption
  // moves down with a grown 详解 pane).
  void SetRowShift(int pixels);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  form::ControlId id_;
  int dpi_;
  int row_shift_ = 0;
};

}  // namespace quorvel::ui
