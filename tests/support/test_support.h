#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "quorvel/balance_host.h"
#include "quorvel/failure.h"
#include "quorvel/text.h"

namespace quorvel_test {

// Table rows derive from Row, so that a row prints as its name; RowName
// names each generated test after its row (any row with a `name`).
struct Row {
  const char* name;
};
template <typename T>
requires std::is_base_of_v<Row, T>
void PrintTo(const T& row, std::ostream* out) { *out << row.name; }

struct RowName {
  template <typename P>
  std::string operator()(const testing::TestParamInfo<P>& info) const {
    return info.param.name;
  }
};

// `count` copies of `piece`, for the long formulas the 16-bit limits need.
inline quorvel::Text Repeat(const quorvel::Text& piece, std::size_t count) {
  quorvel::Text out;
  out.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += piece;
  return out;
}

// Runs `run` and checks that it fails with `kind`.
template <typename Run>
void ExpectFailure(Run&& run, quorvel::FailureKind kind) {
  try {
    run();
    ADD_FAILURE() << "no failure, expected: " << quorvel::Describe(kind);
  } catch (const quorvel::BalanceFailure& failure) {
    EXPECT_EQ(failure.kind(), kind) << failure.what();
  }
}

// A host that records the equation text at every yield and answers false from
// yield number `closing_at` on (0: never), as a window being closed does.
class RecordingHost : public quorvel::BalanceHost {
 public:
  explicit RecordingHost(quorvel::Text equation, long long closing_at = 0)
      : equation_(std::move(equation)), closing_at_(closing_at) {}

  quorvel::Text EquationText() const override { return equation_; }
  void SetEquationText(quorvel::Text text) override { equation_ = std::move(text); }
  quorvel::Text MatrixText() const override { return matrix_; }
  void SetMatrixText(quorvel::Text text) override { matrix_ = std::move(text); }
  bool YieldToUi() override {
    seen_at_yield_.push_back(equation_);
    if (closing_at_ != 0 && yields() >= closing_at_) {
      ++yields_after_closing_;
      return false;
    }
    return true;
  }

  long long yields() const { return static_cast<long long>(seen_at_yield_.size()); }
  // Yields asked for after the host had already said it is closing.
  long long yields_after_closing() const { return yields_after_closing_ - 1; }
  const std::vector<quorvel::Text>& seen_at_yield() const { return seen_at_yield_; }

 private:
  quorvel::Text equation_;
  quorvel::Text matrix_;
  long long closing_at_;
  long long yields_after_closing_ = 0;
  std::vector<quorvel::Text> seen_at_yield_;
};

}  // namespace quorvel_test
