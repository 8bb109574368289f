#pragma once

#include <utility>

#include "quorvel/text.h"

namespace quorvel {

// What the engine needs of whoever shows its texts: the window in the
// program, plain buffers in the console front end and the tests.
class BalanceHost {
 public:
  virtual ~BalanceHost() = default;

  // The new texts are handed over whole: a matrix can run to millions of
  // characters, and a copy of it costs a window its answer for a moment.
  virtual Text EquationText() const = 0;
  virtual void SetEquationText(Text text) = 0;
  virtual Text MatrixText() const = 0;
  virtual void SetMatrixText(Text text) = 0;

  // Lets the host handle its pending events. Returns false when the host is
  // going away (the window was closed): the run is then abandoned.
  virtual bool YieldToUi() = 0;
};

// A host without a window: two text buffers and a yield that only counts.
class BufferHost : public BalanceHost {
 public:
  explicit BufferHost(Text equation = {}) : equation_(std::move(equation)) {}

  Text EquationText() const override { return equation_; }
  void SetEquationText(Text text) override { equation_ = std::move(text); }
  Text MatrixText() const override { return matrix_; }
  void SetMatrixText(Text text) override { matrix_ = std::move(text); }
  bool YieldToUi() override {
    ++yields_;
    return true;
  }

  long long yields() const { return yields_; }

 private:
  Text equation_;
  Text matrix_;
  long long yields_ = 0;
};

}  // namespace quorvel
