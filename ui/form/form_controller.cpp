#include "form/form_controller.h"

#include <string_view>
#include <utility>

#include "form/texts.h"
#include "quorvel/cpu_usage.h"
#include "quorvel/pipeline.h"

namespace quorvel::form {
namespace {

Text FromUtf8(std::string_view text) { return DecodeUtf8(text).value_or(Text()); }

}  // namespace

FormController::FormController(FormView& view, PreviousInstance& previous, CpuSampler sample)
    : view_(view), previous_(previous), sample_(std::move(sample)) {
  if (!sample_) sample_ = [] { return cpu::GetCpuUsage(); };
  static_cast<void>(sample_());
}

Text FormController::EngineText::Get(const FormView& view) {
  if (!text_) text_ = view.ControlText(box_);
  return *text_;
}

void FormController::EngineText::Set(Text text) {
  text_ = std::move(text);
  changed_ = true;
}

void FormController::EngineText::ShowIn(FormView& view) {
  if (changed_) view.SetControlText(box_, *text_);
  changed_ = false;
}

// Outside a balance the engine does not run; the boxes are read and written
// directly then, and nothing is held back.
Text FormController::EquationText() const {
  return balancing_ ? equation_.Get(view_) : view_.ControlText(ControlId::kText1);
}
void FormController::SetEquationText(Text text) {
  if (balancing_) {
    equation_.Set(std::move(text));
  } else {
    view_.SetControlText(ControlId::kText1, text);
  }
}
Text FormController::MatrixText() const {
  return balancing_ ? matrix_.Get(view_) : view_.ControlText(ControlId::kText2);
}
void FormController::SetMatrixText(Text text) {
  if (balancing_) {
    matrix_.Set(std::move(text));
  } else {
    view_.SetControlText(ControlId::kText2, text);
  }
}

void FormController::ShowEngineTexts() {
  equation_.ShowIn(view_);
  matrix_.ShowIn(view_);
}

bool FormController::YieldToUi() {
  if (closing_) return false;
  // Whatever the window shows or its handlers read in the yield is the
  // engine's current text.
  ShowEngineTexts();
  view_.ProcessPendingEvents();
  return !closing_;
}

bool FormController::Form_Load() {
  if (!previous_.IsRunning()) return true;
  view_.StopTimer();
  view_.ShowCriticalBox(FromUtf8(WindowText(Message::kWindowAlreadyRunningTitle)),
                        FromUtf8(WindowText(Message::kWindowAlreadyRunningText)));
  return false;
}

void FormController::Form_Unload(std::int16_t& cancel) {
  static_cast<void>(cancel);  // a close is never refused
  closing_ = true;
  view_.StopTimer();
  view_.EndProgram();
}

void FormController::LoadSettings(Settings& settings, bool chemistry_this_run) {
  settings_ = &settings;
  SwitchMode(chemistry_this_run || settings.Value(kChemistrySettingKey) == "true");
}

void FormController::SetChemistryMode(bool on) {
  SwitchMode(on);
  if (settings_)
    static_cast<void>(settings_->SetValue(kChemistrySettingKey, on ? "true" : "false"));
}

void FormController::Command1_Click() {
  // Disabled controls cannot start a second balance; this guards the paths
  // that do not go through them (a queued click, a direct call).
  if (balancing_ || closing_) return;
  if (chemistry_) {
    StartChemistryBalance();
    return;
  }
  balancing_ = true;
  SetBalanceControlsEnabled(false);
  view_.SetControlText(ControlId::kText3, FromUtf8(WindowText(Message::kWindowBalancing)));
  Text outcome;
  try {
    outcome = BalanceEquation(*this);
  } catch (const BalanceAbandoned&) {
    // The window is gone: nothing more is written to it.
    EndBalance(false);
    return;
  } catch (...) {
    // Every failure, whatever its cause, gets the one failure text.
    outcome = FromUtf8(FailureTextUtf8());
  }
  // What the engine wrote stays, a failure's half-written matrix included.
  EndBalance(!closing_);
  if (closing_) return;
  view_.SetControlText(ControlId::kText3, outcome);
  SetBalanceControlsEnabled(true);
  view_.FocusControl(ControlId::kText1);
}

void FormController::SwitchMode(bool chemistry) {
  chemistry_ = chemistry;
  view_.SetWindowCaption(
      FromUtf8(WindowText(chemistry ? Message::kWindowChemistryCaption : Message::kWindowCaption)));
  // The hints tell what the mode reads; off again, the form's own come back.
  struct Hint {
    ControlId label;
    Message chemistry;
  };
  for (const Hint hint : {Hint{ControlId::kLabel3, Message::kWindowChemistryHintConditions},
                          Hint{ControlId::kLabel4, Message::kWindowChemistryHintCase},
                          Hint{ControlId::kLabel6, Message::kWindowChemistryHintSubscripts}}) {
    view_.SetControlText(hint.label, FromUtf8(chemistry ? WindowText(hint.chemistry)
                                                        : Caption(TableEntry(hint.label))));
  }
  view_.ShowChemistryPane(chemistry);
}

// Text1 keeps what the user typed: the chemistry reading rewrites nothing.
void FormController::StartChemistryBalance() {
  balancing_ = true;
  SetBalanceControlsEnabled(false);
  view_.SetControlText(ControlId::kText3, FromUtf8(WindowText(Message::kWindowBalancing)));
  // The pane never shows the details of an equation no longer in the box.
  view_.ShowBridges(nullptr, nullptr);
  view_.SetControlText(ControlId::kText4, Text());
  answer_.reset();
  described_.reset();
  worker_.Start(
      [equation = view_.ControlText(ControlId::kText1)] { return BalanceChemistry(equation); },
      [this] { view_.WakeUi(); });
}

void FormController::StartAmounts() {
  if (balancing_ || closing_) return;
  balancing_ = true;
  view_.SetControlEnabled(ControlId::kText5, false);
  worker_.Start(
      [answer = answer_, given = view_.ControlText(ControlId::kText5)] {
        return DescribeAmounts(answer, given);
      },
      [this] { view_.WakeUi(); });
}

void FormController::Pump() {
  std::optional<ChemistryTexts> texts = worker_.TakeResult();
  // A window closing takes nothing more.
  if (!texts || closing_) return;
  balancing_ = false;
  if (texts->balanced_now) {
    view_.SetControlText(ControlId::kText2, texts->matrix);
    view_.SetControlText(ControlId::kText3, texts->result);
  }
  ShowPane(*texts);
  if (texts->balanced_now) {
    SetBalanceControlsEnabled(true);
    view_.FocusControl(ControlId::kText1);
  } else {
    // The amounts follow the details: the pane shows them, not its top.
    view_.ShowDetailsLine(texts->amounts_line);
    view_.SetControlEnabled(ControlId::kText5, true);
    view_.FocusControl(ControlId::kText5);
  }
}

void FormController::ShowPane(const ChemistryTexts& texts) {
  // The new answer is held before the view lets go of the old one.
  std::shared_ptr<const chemistry::Answer> answer = texts.answer;
  std::shared_ptr<const chemistry::Details> described = texts.described;
  view_.SetControlText(ControlId::kText4, texts.details);
  const bool redox = answer && described && described->redox;
  view_.ShowBridges(redox ? answer.get() : nullptr, redox ? described.get() : nullptr);
  answer_ = std::move(answer);
  described_ = std::move(described);
}

void FormController::EndBalance(bool show_engine_texts) {
  if (show_engine_texts) ShowEngineTexts();
  equation_.Forget();
  matrix_.Forget();
  balancing_ = false;
}

void FormController::Text1_KeyPress(int& key_ascii) {
  if (key_ascii == kEnterKey) Command1_Click();
}

void FormController::Text5_KeyPress(int& key_ascii) {
  if (key_ascii != kEnterKey) return;
  key_ascii = 0;  // a one-line box would only beep at it
  StartAmounts();
}

void FormController::Timer1_Timer() {
  view_.SetControlText(ControlId::kLabel7,
                       FromUtf8(cpu::UsageCaptionUtf8(sample_(), kWindowLanguage)));
}

void FormController::SetBalanceControlsEnabled(bool enabled) {
  view_.SetControlEnabled(ControlId::kText1, enabled);
  view_.SetControlEnabled(ControlId::kText3, enabled);
  view_.SetControlEnabled(ControlId::kCommand1, enabled);
}

}  // namespace quorvel::form
