#pragma once

#include <cstdint>
#include <string_view>

#include "quorvel/balance_host.h"
#include "quorvel/failure.h"
#include "quorvel/messages.h"
#include "quorvel/search.h"

namespace quorvel {

// The failure text the window and the console show for any failed balance:
// always Chinese, as the default mode's texts have always been.
inline std::string_view FailureTextUtf8() {
  return messages::Pattern(messages::Message::kBalanceFailure, messages::Language::kChinese);
}

// Normalises the host's equation text, clears its matrix text, splits, searches
// and returns the balanced equation. Throws BalanceFailure or BalanceAbandoned.
Text BalanceEquation(BalanceHost& host);

// Twenty-three passes: spaces out, full-width brackets and plus made ASCII,
// "-" to "=", ten passes that drop "-" (none is left by then), runs of "="
// halved eight times. Yields after each of the last eighteen passes.
void NormalizeEquation(BalanceHost& host);

// Splits at "+" and "=" into `compounds` (empty pieces kept) and returns the
// number of compounds left of the first "=". Throws BalanceFailure (overflow)
// when that number does not fit 16 bits.
std::int16_t SplitEquation(Text text, CompoundList& compounds);

// Writes each coefficient but 1 before its compound and turns the plus sign
// that closes the reactants into "=". Throws BalanceFailure when there is no
// coefficient.
Text FormatBalanced(const CoefficientString& coefficients, const CompoundList& compounds,
                    std::int16_t reactant_count);

}  // namespace quorvel
