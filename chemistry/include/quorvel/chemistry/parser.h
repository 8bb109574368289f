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
