#include "quorvel/elements.h"

#include <array>

#include "symbol_forms.h"

namespace quorvel {

std::optional<bool> IsNewSymbol(const ElementList& elements, const Text& symbol) {
  if (elements.empty()) return std::nullopt;
  for (const Text& slot : elements) {
    if (slot == symbol) return false;
  }
  return true;
}

void CollectElements(const Text& text, ElementList& elements) {
  // A flat table of what is listed replaces the linear lookup on long texts
  // without changing which symbols are listed or their order.
  std::array<bool, kSymbolForms> listed{};
  // Callers hand over a list without slots; should one arrive filled, its
  // symbols count as listed so that none is added twice.
  for (const Text& slot : elements) {
    if (const auto form = SymbolFormOf(slot)) listed[*form] = true;
  }
  const std::size_t length = text.size();
  for (std::size_t p = 0; p < length; ++p) {
    const char32_t c = text[p];
    if (!IsSymbolStart(c)) continue;
    const bool pair = p + 1 < length && IsSymbolContinuation(text[p + 1]);
    const std::size_t form = pair ? SymbolForm(c, text[p + 1]) : SymbolForm(c);
    if (listed[form]) continue;
    listed[form] = true;
    if (elements.empty()) elements.emplace_back();  // slot 0 stays empty
    elements.push_back(text.substr(p, pair ? 2 : 1));
  }
}

}  // namespace quorvel
