#include "quorvel/failure.h"

namespace quorvel {
namespace {

struct FailureTexts {
  const char* keyword;
  const char* description;
};

FailureTexts TextsOf(FailureKind kind) {
  switch (kind) {
    case FailureKind::kNoElementSymbol:
      return {"no_element_symbol", "no element symbol in the equation"};
    case FailureKind::kTooManyCompounds:
      return {"too_many_compounds", "ten or more compounds"};
    case FailureKind::kOverflow:
      return {"overflow", "16-bit overflow"};
    case FailureKind::kNoCoefficients:
      return {"no_coefficients", "no coefficients balance the equation"};
    case FailureKind::kNoCompounds:
      return {"no_compounds", "no compounds to balance"};
    case FailureKind::kCoefficientsMismatch:
      return {"coefficients_mismatch", "more coefficients than compounds"};
  }
  return {"balance_failed", "balance failed"};
}

}  // namespace

const char* Describe(FailureKind kind) { return TextsOf(kind).description; }

const char* Keyword(FailureKind kind) { return TextsOf(kind).keyword; }

}  // namespace quorvel
