// The ΔH term of a thermochemical equation, written after the products.

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "source_text.h"

namespace quorvel::chemistry::detail {

// Where the ΔH term that starts at i has its Δ, when one does: ΔH or △H (the
// triangle input methods give for Δ), after a comma or semicolon if one
// stands there. "=△=" and "2Cu + O2 △ 2CuO" hold no H after the sign and
// stay conditions.
std::optional<std::size_t> EnthalpyAt(const SourceText& text, std::size_t i);

// The term from its Δ to the end of the text, or to a control character,
// each run of spaces one space.
std::string EnthalpyTyped(const SourceText& text, std::size_t delta);

// Reads the ΔH term whose Δ stands at `delta`, to the end of the text:
// "ΔH = -571.6 kJ/mol", "△H=-285.8kJ/mol", "ΔH = -92.4 kJ·mol⁻¹", "kJ mol-1",
// or a sign alone, "ΔH<0". Gives it back as typed with the spacing made
// regular ("ΔH = -571.6 kJ/mol", "ΔH < 0"). Fails with kEnthalpyUnread on
// anything else.
struct EnthalpyTerm {
  std::string text;
  bool sign_only = false;  // ΔH<0: true for every multiple of the equation
};
EnthalpyTerm ReadEnthalpy(const SourceText& text, std::size_t delta);

}  // namespace quorvel::chemistry::detail
