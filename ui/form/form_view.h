#pragma once

// What the form's behaviour needs of a toolkit: the narrow set of operations
// the balance command, the timer and start-up and shutdown use. Each front
// end implements it over the controls it built from the control table.
#include <cstddef>

#include "form/controls.h"
#include "quorvel/text.h"

namespace quorvel::chemistry {
struct Answer;
struct Details;
}  // namespace quorvel::chemistry

namespace quorvel::form {

class FormView {
 public:
  virtual ~FormView() = default;

  // The whole text of a box (Text1, Text2, Text3).
  virtual Text ControlText(ControlId id) const = 0;
  // A box set this way shows the start of its new text with nothing
  // selected; a label takes its new caption's size; the 详解 pane (Text4,
  // "\n" between its lines) takes its text's height up to its limit.
  virtual void SetControlText(ControlId id, const Text& text) = 0;
  // Shows the chemistry mode's pane, the window grown to hold it, or hides
  // it, the window back at the default form's size.
  virtual void ShowChemistryPane(bool shown) = 0;
  // Scrolls the 详解 pane so that its line `line` (counted from 0 between
  // "\n"s; past the last, the last) is its first in view.
  virtual void ShowDetailsLine(std::size_t line) = 0;
  // The 双线桥 of a redox answer in Picture1; null clears it. The form keeps
  // both alive until its next call, so a view may paint from them.
  virtual void ShowBridges(const chemistry::Answer* answer, const chemistry::Details* details) = 0;
  virtual void SetControlEnabled(ControlId id, bool enabled) = 0;
  virtual void FocusControl(ControlId id) = 0;
  virtual void SetWindowCaption(const Text& caption) = 0;
  // Handles the window messages that are pending, then returns. A close of
  // the window handled here reaches the form as Form_Unload.
  virtual void ProcessPendingEvents() = 0;
  // Modal, with the critical-error icon and one OK button.
  virtual void ShowCriticalBox(const Text& title, const Text& text) = 0;
  virtual void StopTimer() = 0;
  // Leaves the message loop: the program ends.
  virtual void EndProgram() = 0;
  // Safe from any thread: asks the window's thread to call
  // FormController::Pump soon, from its event loop.
  virtual void WakeUi() = 0;
};

// "Is another instance of this program already running?", asked once at
// start-up. An answer that cannot be had is no: refusing to start over an
// unrelated system problem would lock the user out.
class PreviousInstance {
 public:
  virtual ~PreviousInstance() = default;
  virtual bool IsRunning() = 0;
};

}  // namespace quorvel::form
