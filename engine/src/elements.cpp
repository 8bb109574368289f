#include "quorvel/elements.h"

#include <array>

namespace quorvel {
namespace {

// Every symbol is a start character (31 of them) optionally followed by a
// continuation (26): a flat table replaces the linear lookup on long texts
// without changing which symbols are listed or their order.
constexpr int kStarts = 95 - 65 + 1;
constexpr int kForms = kStarts * 27;

int SymbolSlot(char32_t start, char32_t continuation) {
  const int base = static_cast<int>(start - 65) * 27;
  return continuation == 0 ? base : base + 1 + static_cast<int>(continuation - 97);
}

}  // namespace

std::optional<bool> IsNewSymbol(const ElementList& elements, const Text& symbol) {
  if (elements.empty()) return std::nullopt;
  for (const Text& slot : elements) {
    if (slot == symbol) return false;
  }
  return true;
}

void CollectElements(const Text& text, ElementList& elements) {
  std::array<bool, kForms> listed{};
  // Callers hand over a list without slots; should one arrive filled, its
  // symbols count as listed so that none is added twice.
  for (const Text& slot : elements) {
    const bool form = (slot.size() == 1 || slot.size() == 2) && IsSymbolStart(slot[0]) &&
                      (slot.size() == 1 || IsSymbolContinuation(slot[1]));
    if (form)
      listed[static_cast<std::size_t>(SymbolSlot(slot[0], slot.size() == 2 ? slot[1] : 0))] = true;
  }
  const std::size_t length = text.size();
  for (std::size_t p = 0; p < length; ++p) {
    const char32_t c = text[p];
    if (!IsSymbolStart(c)) continue;
    const bool pair = p + 1 < length && IsSymbolContinuation(text[p + 1]);
    const int slot = SymbolSlot(c, pair ? text[p + 1] : 0);
    if (listed[static_cast<std::size_t>(slot)]) continue;
    listed[static_cast<std::size_t>(slot)] = true;
    if (elements.empty()) elements.emplace_back();  // slot 0 stays empty
    elements.push_back(pair ? text.substr(p, 2) : text.substr(p, 1));
  }
}

}  // namespace quorvel
