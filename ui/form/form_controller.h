#pragma once

// The window's behaviour, written once for every toolkit: the handlers of
// Form1's events, and the engine's host (the equation is Text1's text, the
// matrix Text2's, and a yield lets the window handle its messages).
//
//   MyView view;                       // a FormView over real controls
//   MyInstanceCheck previous;          // a PreviousInstance
//   quorvel::form::FormController form(view, previous);
//   if (!form.Form_Load()) return kRefusedStartExitStatus;  // told; ends
//   // ... show the window; forward clicks, keys, ticks and the close:
//   form.Command1_Click();
//
// The chemistry mode, the user's choice: the same controls balance with the
// exact chemistry library, on a worker thread whose answer the window's
// thread collects with Pump() when the view's WakeUi() asks it to.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "form/chemistry_worker.h"
#include "form/form_view.h"
#include "form/settings.h"
#include "quorvel/balance_host.h"

namespace quorvel::form {

inline constexpr int kEnterKey = 13;
// The exit status of an instance refused because another one runs: after the
// user's OK, a script or launcher that started it can tell it did not run.
inline constexpr int kRefusedStartExitStatus = 1;
// The stored choice of the chemistry mode: "true" or "false".
inline constexpr const char* kChemistrySettingKey = "chemistry";

class FormController : public BalanceHost {
 public:
  using CpuSampler = std::function<std::int32_t()>;

  // Takes the first CPU sample at once and shows none of it, so the first
  // tick reports its own second instead of the average since the counters
  // began. `sample` is the machine's sampler unless a test gives another.
  FormController(FormView& view, PreviousInstance& previous, CpuSampler sample = {});

  Text EquationText() const override;
  void SetEquationText(Text text) override;
  Text MatrixText() const override;
  void SetMatrixText(Text text) override;
  // False once the window is closing: the running balance is abandoned.
  bool YieldToUi() override;

  // False when another instance runs: the user has been told, and this
  // instance ends without showing its window.
  bool Form_Load();
  void Form_Unload(std::int16_t& cancel);
  void Command1_Click();
  void Text1_KeyPress(int& key_ascii);
  // Enter in the 已知 box works out the amounts for the last balanced answer.
  void Text5_KeyPress(int& key_ascii);
  void Timer1_Timer();

  // Before Form_Load: the mode the user chose last time, or on for this run
  // alone when asked on the command line. A value that cannot be read or
  // makes no sense is the default mode. The settings outlive the form.
  void LoadSettings(Settings& settings, bool chemistry_this_run);
  // The menu item: switches at once and is remembered when it can be; a
  // store that refuses leaves it switched for this run.
  void SetChemistryMode(bool on);
  bool ChemistryMode() const { return chemistry_; }
  // On the window's thread, after WakeUi: shows a finished chemistry balance.
  void Pump();

  bool Balancing() const { return balancing_; }
  bool Closing() const { return closing_; }

 private:
  // A box's text as the engine sees it while a balance runs. The engine
  // rewrites the equation up to five times between two yields and reads it
  // for every pass; a box holding pasted megabytes takes its time over each
  // new text, so the box gets only the latest one, just before the window
  // next handles its messages.
  class EngineText {
   public:
    explicit EngineText(ControlId box) : box_(box) {}
    Text Get(const FormView& view);
    void Set(Text text);
    void ShowIn(FormView& view);  // writes a changed text to the box
    void Forget() {
      text_.reset();
      changed_ = false;
    }

   private:
    ControlId box_;
    std::optional<Text> text_;  // read from the box when first asked for
    bool changed_ = false;
  };

  void SetBalanceControlsEnabled(bool enabled);
  void SwitchMode(bool chemistry);
  void StartChemistryBalance();
  void StartAmounts();
  void ShowPane(const ChemistryTexts& texts);
  void ShowEngineTexts();
  void EndBalance(bool show_engine_texts);

  FormView& view_;
  PreviousInstance& previous_;
  CpuSampler sample_;
  // Filled from the boxes when the engine first reads them.
  mutable EngineText equation_{ControlId::kText1};
  mutable EngineText matrix_{ControlId::kText2};
  bool balancing_ = false;
  bool closing_ = false;
  bool chemistry_ = false;
  Settings* settings_ = nullptr;
  // The last answer the pane describes, and its details, which the drawing
  // is painted from; null before a balance and after a failed one.
  std::shared_ptr<const chemistry::Answer> answer_;
  std::shared_ptr<const chemistry::Details> described_;
  // Last: its thread is stopped before anything it reaches goes.
  ChemistryWorker worker_;
};

}  // namespace quorvel::form
