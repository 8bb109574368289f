#include "literal_count.h"

#include "quorvel/elements.h"

namespace quorvel::reference {
namespace {

// 1-based position of the first occurrence of `needle`, 0 when there is none.
std::size_t InStr(const Text& haystack, const Text& needle) {
  const std::size_t at = haystack.find(needle);
  return at == Text::npos ? 0 : at + 1;
}

// The character at 1-based position `p`.
char32_t At(const Text& text, std::size_t p) { return text[p - 1]; }

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

std::optional<std::int16_t> GroupMultiplier(const Text& compound, const Text& symbol) {
  const std::size_t p = InStr(compound, U"(");
  if (p == 0) return 0;
  const std::size_t b = InStr(compound, symbol);
  const std::size_t c = InStr(compound, U")");
  if (b >= c) return 0;
  if (b <= p) return 0;
  if (c + 1 > compound.size()) return std::nullopt;
  const char32_t after = At(compound, c + 1);
  if (!IsDigit(after)) return std::nullopt;
  return static_cast<std::int16_t>(after - U'0');
}

std::int16_t CountAtoms(const Text& compound, const Text& symbol) {
  std::int32_t count = 0;
  std::int32_t multiplier = 0;
  const std::size_t length = compound.size();

  // Returns true when the match of k characters at position i ends the scan.
  auto match_rule = [&](std::size_t i, std::size_t k) {
    if (i + k - 1 == length) {
      if (count + 1 <= INT16_MAX) count += 1;
      return true;
    }
    const char32_t ch = At(compound, i + k);
    if (const auto looked_up = GroupMultiplier(compound, symbol)) multiplier = *looked_up;
    std::int32_t amount = 0;
    if (IsSymbolStart(ch) || ch == U')' || ch == U'(') {
      amount = multiplier == 0 ? 1 : multiplier;
    } else if (IsDigit(ch)) {
      const auto d = static_cast<std::int32_t>(ch - U'0');
      amount = multiplier == 0 ? d : d * multiplier;
    }
    if (count + amount <= INT16_MAX) count += amount;
    return false;
  };

  for (std::size_t i = 1; i <= length; ++i) {
    if (Text(1, At(compound, i)) == symbol) {
      if (match_rule(i, 1)) break;
    }
    const Text two = i < length ? compound.substr(i - 1, 2) : compound.substr(i - 1, 1);
    if (two == symbol) {
      if (match_rule(i, 2)) break;
    }
  }
  return static_cast<std::int16_t>(count);
}

}  // namespace quorvel::reference
