#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "quorvel/chemistry/equation.h"
#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry {

// Hostile input stops at these with a clear error instead of costing time or memory.
inline constexpr std::size_t kMaxSpecies = 10'000;
inline constexpr std::size_t kMaxGroupDepth = 64;
inline constexpr std::size_t kMaxDigits = 100;
// Balance refuses a longer text unread: reading costs memory in proportion to
// the text, and no equation comes near it (118 elements in 200 species with
// seven-digit counts take a fifth of it). The console reads no more of a line.
inline constexpr std::size_t kMaxEquationBytes = std::size_t{1} << 20;

struct ParseError {
  bool invalid_utf8 = false;
  std::string message;  // one line of English: Explain(reason, Language::kEnglish)
  Reason reason;

  static ParseError From(Reason reason);
};

struct ParseResult {
  std::optional<Equation> equation;  // empty when the text cannot be read
  ParseError error;
};

// Reads an equation written in chemistry's notation (UTF-8).
ParseResult ParseEquation(std::string_view utf8);

}  // namespace quorvel::chemistry
