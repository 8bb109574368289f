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

 protected:
  void changeEvent(QEvent* event) override;

 private:
  form::ControlId id_;
  int dpi_;
};

}  // namespace quorvel::ui
