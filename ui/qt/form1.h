#pragma once

#include <QWidget>
#include <array>
#include <cstddef>

#include "form/controls.h"
#include "form/form_controller.h"
#include "form/form_view.h"
#include "form/layout.h"
#include "settings_file.h"
#include "single_instance.h"

class QMenu;
class QTimer;

namespace quorvel::ui {

// The program's one window in Qt: the controls of the form's table, each
// carrying its name as object name (Text1, Label7, Timer1, ...), and the view
// through which the form's behaviour (Controller()) reaches them.
class Form1 : public QWidget, public form::FormView {
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The user's stored choice of mode, or the chemistry mode for this run
  // alone; before the load handler. A window that never reads them (a test)
  // stores nothing either.
  void LoadSettings(bool chemistry_this_run);

  form::FormController& Controller() { return controller_; }
  const form::FormController& Controller() const { return controller_; }

  // The dots per inch the controls were placed at: the fonts' own.
  int Dpi() const { return dpi_; }
  void ShowCentred();

  Text ControlText(form::ControlId id) const override;
  void SetControlText(form::ControlId id, const Text& text) override;
  void SetControlEnabled(form::ControlId id, bool enabled) override;
  void FocusControl(form::ControlId id) override;
  void ProcessPendingEvents() override;
  void ShowCriticalBox(const Text& title, const Text& text) override;
  void StopTimer() override;
  void EndProgram() override;
  void SetWindowCaption(const Text& caption) override;
  void WakeUi() override;
  void ShowChemistryPane(bool shown) override;
  void ShowDetailsLine(std::size_t line) override;
  void ShowBridges(const chemistry::Answer* answer, const chemistry::Details* details) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  // Places every control for the mode and the pane's content, and sizes the
  // window to hold them.
  void LayOut();
  void KeepOnScreen();
  form::PaneContent MeasurePane() const;
  void AddModeItem(QMenu& menu);
  QWidget* Control(form::ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }

  int dpi_;
  std::array<QWidget*, form::kControls.size()> controls_{};
  QTimer* timer1_ = nullptr;
  bool pane_shown_ = false;
  // The pane's text as the form last set it: Qt's read-only multi-line box
  // still takes edits a screen reader sends it, and is given this back.
  QString pane_text_;
  SingleInstanceLock instance_lock_;
  SettingsFile settings_;
  form::FormController controller_;
};

}  // namespace quorvel::ui
