#pragma once

#include <optional>
#include <vector>

#include "quorvel/text.h"

namespace quorvel {

// The one character class of the element scanner and the atom counter.
// Symbol starts are A to Z and the five signs after Z, [ \ ] ^ _ (codes 65 to
// 95: the class ends at the underscore, not at Z); continuations are a to z.
// Nothing outside ASCII belongs to either.
inline constexpr char32_t kFirstSymbolStart = U'A';
inline constexpr char32_t kLastSymbolStart = U'_';
inline constexpr char32_t kFirstSymbolContinuation = U'a';
inline constexpr char32_t kLastSymbolContinuation = U'z';

constexpr bool IsSymbolStart(char32_t c) { return c >= kFirstSymbolStart && c <= kLastSymbolStart; }
constexpr bool IsSymbolContinuation(char32_t c) {
  return c >= kFirstSymbolContinuation && c <= kLastSymbolContinuation;
}

// Distinct element symbols in order of first occurrence. An empty vector is
// the list "without slots"; once filled, slot 0 is the empty string and slots
// 1..n hold the symbols.
using ElementList = std::vector<Text>;

// Appends every new symbol of `text` to `elements`, which must have no slots.
void CollectElements(const Text& text, ElementList& elements);

// True when no slot holds `symbol`; nullopt when the list has no slots (the
// lookup cannot be made and the caller treats the symbol as new).
std::optional<bool> IsNewSymbol(const ElementList& elements, const Text& symbol);

}  // namespace quorvel
