#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "quorvel/balance_host.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace quorvel::ui {

class CaptionLabel;
class SingleInstanceLock;

// The program's one window. It is also the engine's host: the equation is
// Text1's text, the matrix is Text2's, and a yield runs the pending events.
// Controls carry their names as object names (Text1, Label7, Timer1, ...).
class Form1 : public QWidget, public BalanceHost {
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  Text EquationText() const override;
  void SetEquationText(const Text& text) override;
  Text MatrixText() const override;
  void SetMatrixText(const Text& text) override;
  // False once the window has been closed: the running balance is abandoned.
  bool YieldToUi() override;

  // False when another instance runs: the user has been told and this
  // instance must end without showing its window.
  bool Form_Load();
  void Form_Unload(std::int16_t& cancel);
  void Command1_Click();
  void Text1_KeyPress(int& key_ascii);
  void Timer1_Timer();

  void ShowCentred();
  bool Balancing() const { return balancing_; }
  bool Closing() const { return closing_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void SetBalanceControlsEnabled(bool enabled);
  void FitLabels();

  CaptionLabel* label1_ = nullptr;
  CaptionLabel* label2_ = nullptr;
  CaptionLabel* label3_ = nullptr;
  CaptionLabel* label4_ = nullptr;
  CaptionLabel* label5_ = nullptr;
  CaptionLabel* label6_ = nullptr;
  CaptionLabel* label7_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QLineEdit* text3_ = nullptr;
  QPushButton* command1_ = nullptr;
  QTimer* timer1_ = nullptr;
  std::unique_ptr<SingleInstanceLock> instance_lock_;
  bool balancing_ = false;
  bool closing_ = false;
};

}  // namespace quorvel::ui
