// The formula a slip most likely meant (co2, CaCo3, H20), kept only where it balances.

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::chemistry::detail {

// A formula a student most likely meant where the typed one is a slip: the
// case of a symbol (co2, Nacl, H2o), a symbol that reads as another element
// (CaCo3, Co2 for CO2) or a digit 0 for the letter O (H20, C02). A guess is
// only trusted where the equation balances with it.
struct LikelyFormula {
  std::string typed;     // the formula as typed
  std::string meant;     // the formula it most likely means
  std::string equation;  // the whole equation with `meant` in its place
};

// Where to look for a slip: the equation failed to read or balance, which
// allows every kind of guess, or it balanced, which allows only the slips
// that read as valid formulas no chemist writes (H20, C02).
enum class TypedOutcome { kFailed, kBalanced };

// The first guess, formula by formula from the left, with which the
// equation balances; nullopt when none does. `balances` reads and balances
// one candidate equation.
std::optional<LikelyFormula> FindLikelyFormula(std::string_view equation, TypedOutcome outcome,
                                               bool (*balances)(std::string_view));

}  // namespace quorvel::chemistry::detail
