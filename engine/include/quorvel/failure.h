#pragma once

#include <exception>

namespace quorvel {

// Why a balance failed. The window shows one failure text for all of them;
// the kind exists for tests and diagnostics.
enum class FailureKind {
  kNoElementSymbol,       // nothing in the text can start an element symbol
  kTooManyCompounds,      // ten or more compounds: the search range leaves 32 bits
  kOverflow,              // a 16-bit count (row sum, reactant count) left its range
  kNoCoefficients,        // no digit string in the range balances every element
  kNoCompounds,           // no compound to search coefficients for
  kCoefficientsMismatch,  // more coefficients than compounds to write them on
};

const char* Describe(FailureKind kind);
// A stable word for scripts ("no_element_symbol", "too_many_compounds",
// "overflow", "no_coefficients", ...): the console's JSON answers carry it,
// so a word once given is never changed.
const char* Keyword(FailureKind kind);

class BalanceFailure : public std::exception {
 public:
  explicit BalanceFailure(FailureKind kind) : kind_(kind) {}
  FailureKind kind() const { return kind_; }
  const char* what() const noexcept override { return Describe(kind_); }

 private:
  FailureKind kind_;
};

// Thrown when the host's YieldToUi reports that it is going away. Not a
// failure: nothing more may be written to the host.
class BalanceAbandoned : public std::exception {
 public:
  const char* what() const noexcept override { return "balance abandoned by its host"; }
};

}  // namespace quorvel
