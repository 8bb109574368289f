#include "quorvel/failure.h"

namespace quorvel {

const char* Describe(FailureKind kind) {
  switch (kind) {
    case FailureKind::kNoElementSymbol:
      return "no element symbol in the equation";
    case FailureKind::kTooManyCompounds:
      return "ten or more compounds";
    case FailureKind::kOverflow:
      return "16-bit overflow";
    case FailureKind::kNoCoefficients:
      return "no coefficients balance the equation";
    case FailureKind::kNoCompounds:
      return "no compounds to balance";
    case FailureKind::kCoefficientsMismatch:
      return "more coefficients than compounds";
  }
  return "balance failed";
}

}  // namespace quorvel
