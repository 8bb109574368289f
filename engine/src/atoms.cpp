#include "quorvel/atoms.h"

#include "quorvel/elements.h"

namespace quorvel {
namespace {

constexpr std::int32_t kCountCap = 32767;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsParenthesis(char32_t c) { return c == U'(' || c == U')'; }

}  // namespace

std::optional<std::int16_t> GroupMultiplier(const Text& compound, const Text& symbol) {
  const std::size_t open = compound.find(U'(');
  if (open == Text::npos) return 0;
  // A plain substring search: for C it may find the C of Ca.
  const std::size_t first = compound.find(symbol);
  const std::size_t close = compound.find(U')');
  // Positions are compared 1-based with 0 for "not found", as the rule reads.
  const std::size_t p = open + 1;
  const std::size_t b = first == Text::npos ? 0 : first + 1;
  const std::size_t c = close == Text::npos ? 0 : close + 1;
  if (b >= c || b <= p) return 0;
  if (c < compound.size() && IsDigit(compound[c])) {
    return static_cast<std::int16_t>(compound[c] - U'0');
  }
  return std::nullopt;
}

std::int16_t CountAtoms(const Text& compound, const Text& symbol) {
  std::int32_t count = 0;
  std::int32_t multiplier = 0;
  const std::size_t length = compound.size();
  // The lookup depends on the two texts alone, so one lookup serves every
  // match; repeating it per match would make long formulas quadratic.
  std::optional<std::optional<std::int16_t>> group;

  auto add = [&count](std::int32_t amount) {
    if (count + amount <= kCountCap) count += amount;
  };
  // Applies the match rule to a match of k characters at 0-based index i;
  // returns true when the match ends the scan.
  auto match = [&](std::size_t i, std::size_t k) {
    if (i + k == length) {
      add(1);
      return true;
    }
    const char32_t next = compound[i + k];
    if (!group) group = GroupMultiplier(compound, symbol);
    if (*group) multiplier = **group;
    if (IsSymbolStart(next) || IsParenthesis(next)) {
      add(multiplier == 0 ? 1 : multiplier);
    } else if (IsDigit(next)) {
      const std::int32_t digit = static_cast<std::int32_t>(next - U'0');
      add(multiplier == 0 ? digit : digit * multiplier);
    }
    return false;
  };

  if (symbol.empty() || symbol.size() > 2) return 0;
  for (std::size_t i = 0; i < length; ++i) {
    if (symbol.size() == 1 && compound[i] == symbol[0]) {
      if (match(i, 1)) break;
    }
    // The two-character test; at the last position only one character is
    // compared, which a one-letter symbol has already matched above.
    if (symbol.size() == 2 && i + 1 < length && compound[i] == symbol[0] &&
        compound[i + 1] == symbol[1]) {
      if (match(i, 2)) break;
    }
  }
  return static_cast<std::int16_t>(count);
}

}  // namespace quorvel
