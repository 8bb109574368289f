#pragma once

// Every symbol the scanner can list, a start character optionally followed by
// one continuation, numbered densely: a flat table indexed by these numbers
// stands in for a search through a list of symbols on long texts.

#include <cstddef>
#include <optional>

#include "quorvel/elements.h"

namespace quorvel {

inline constexpr std::size_t kSymbolStarts = kLastSymbolStart - kFirstSymbolStart + 1;
inline constexpr std::size_t kSymbolContinuations =
    kLastSymbolContinuation - kFirstSymbolContinuation + 1;
// Per start character: the start alone, then the start with each continuation.
inline constexpr std::size_t kSymbolForms = kSymbolStarts * (1 + kSymbolContinuations);

// `start` must be a symbol start and `continuation` a continuation.
constexpr std::size_t SymbolForm(char32_t start) {
  return (start - kFirstSymbolStart) * (1 + kSymbolContinuations);
}
constexpr std::size_t SymbolForm(char32_t start, char32_t continuation) {
  return SymbolForm(start) + 1 + (continuation - kFirstSymbolContinuation);
}

// The number of `symbol`, or nullopt for a text the scanner never lists.
inline std::optional<std::size_t> SymbolFormOf(const Text& symbol) {
  if (symbol.empty() || symbol.size() > 2 || !IsSymbolStart(symbol[0])) return std::nullopt;
  if (symbol.size() == 1) return SymbolForm(symbol[0]);
  if (!IsSymbolContinuation(symbol[1])) return std::nullopt;
  return SymbolForm(symbol[0], symbol[1]);
}

}  // namespace quorvel
