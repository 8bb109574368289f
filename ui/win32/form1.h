#pragma once

// The program's one window in plain Win32: the controls of the form's table
// as STATIC, EDIT and BUTTON windows, laid out at the window's dots per inch,
// and the view through which the form's behaviour (Controller()) reaches them.
#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <string>

#include "bridge_view.h"
#include "fonts.h"
#include "form/controls.h"
#include "form/form_controller.h"
#include "form/form_view.h"
#include "form/layout.h"
#include "registry_settings.h"
#include "single_instance.h"

namespace quorvel::win32 {

// A control's id among the window's children: this plus its ControlId, so a
// driver in another process can find a control wherever it stands.
inline constexpr int kFirstControlId = 100;

class Form1 : public form::FormView {
 public:
  explicit Form1(HINSTANCE instance);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Builds the hidden window with its controls and starts Timer1. False when
  // no window can be made at all (no desktop to make it on).
  bool Create();
  // Shows the window centred, with the focus in Text1.
  void Show(int show_command);
  // Runs the message loop until the program ends; returns the exit code.
  int RunMessageLoop();

  // After Create, before the load handler: the user's stored choice of
  // mode, or the chemistry mode for this run alone.
  void LoadSettings(bool chemistry_this_run);

  form::FormController& Controller() { return controller_; }

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

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR subclass, DWORD_PTR self);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleControlMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

  // One message from the queue, as the loop and the yield both handle it.
  void Dispatch(MSG& message);
  bool HandleTabKey(const MSG& message);
  void MoveFocus(bool backwards);

  void CreateControls();
  // Sizes the window, its fonts and every control for `dpi`; `top_left` is
  // where the window goes, or null to centre it on the work area.
  void ApplyDpi(int dpi, const POINT* top_left);
  void FitLabel(form::ControlId id);
  // Every place for the mode and what the pane holds at the window's dpi.
  form::FormPlaces Places() const;
  form::PaneContent MeasurePane() const;
  // Moves the controls to their places and sizes the window to hold them,
  // its top-left corner where it is.
  void LayOut();
  void LoadIcons();

  // Picture1's figure placed again for the window's dpi and the box font.
  void LayOutBridges();

  HWND Control(form::ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
  const form::ControlSpec* SpecOf(HWND control) const;

  HINSTANCE instance_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  std::array<HWND, form::kControls.size()> controls_{};
  FontSet fonts_;
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  // The control to give the focus back to when the window is activated again.
  HWND saved_focus_ = nullptr;
  bool ended_ = false;
  bool pane_shown_ = false;
  BridgeView bridges_;
  // The window WakeUi posts to, read from the worker's thread; null once the
  // window is going.
  std::atomic<HWND> wake_target_{nullptr};
  InstanceMutex instance_lock_;
  RegistrySettings settings_;
  form::FormController controller_;
};

}  // namespace quorvel::win32
