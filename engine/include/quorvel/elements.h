#pragma once

#include <optional>
#include <vector>

#include "quorvel/text.h"

namespace quorvel {

// Codes 65 to 95: A to Z and the five signs [ \ ] ^ _ . Nothing outside ASCII.
constexpr bool IsSymbolStart(char32_t c) { return c >= 65 && c <= 95; }
// Codes 97 to 122: a to z.
constexpr bool IsSymbolContinuation(char32_t c) { return c >= 97 && c <= 122; }

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
