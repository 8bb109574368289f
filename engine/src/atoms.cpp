// The atom counter's reading rules, each written once: where a symbol
// matches, what the character after a match adds, the group factor, the last
// character, and the cap of 32767.

#include "quorvel/atoms.h"

#include <algorithm>

#include "atom_tally.h"

namespace quorvel {
namespace {

constexpr std::int32_t kCountCap = 32767;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsParenthesis(char32_t c) { return c == U'(' || c == U')'; }

// What the character after a match adds, with `factor` 0 meaning no factor:
// a symbol start or a parenthesis 1, a digit its value, each times the
// factor; anything else nothing.
std::int32_t AddedBy(char32_t next, std::int32_t factor) {
  if (IsSymbolStart(next) || IsParenthesis(next)) return factor == 0 ? 1 : factor;
  if (IsDigit(next)) {
    const auto digit = static_cast<std::int32_t>(next - U'0');
    return factor == 0 ? digit : digit * factor;
  }
  return 0;
}

}  // namespace

FirstGroup::FirstGroup(const Text& compound)
    : open_(compound.find(U'(')), close_(compound.find(U')')) {
  if (close_ != Text::npos && close_ + 1 < compound.size() && IsDigit(compound[close_ + 1])) {
    digit_after_close_ = static_cast<std::int16_t>(compound[close_ + 1] - U'0');
  }
}

std::optional<std::int16_t> FirstGroup::FactorFor(std::size_t first) const {
  // A formula without ")", or whose first ")" stands before its first "(",
  // has no group at all.
  if (open_ == Text::npos || close_ == Text::npos || first == Text::npos) return 0;
  if (first <= open_ || first >= close_) return 0;
  return digit_after_close_;
}

AtomTally::AtomTally(const ElementList& symbols) : tallies_(1) {
  slot_tally_.resize(symbols.size(), kNoTally);
  for (std::size_t e = 1; e < symbols.size(); ++e) slot_tally_[e] = TallyFor(symbols[e]);
}

std::size_t AtomTally::TallyFor(const Text& symbol) {
  if (symbol.empty() || symbol.size() > 2) return kNoTally;
  std::size_t* known = nullptr;
  if (const auto form = SymbolFormOf(symbol)) {
    known = &form_tally_[*form];
  } else {
    const auto listed =
        std::find_if(other_tallies_.begin(), other_tallies_.end(),
                     [&symbol](const auto& other) { return other.first == symbol; });
    if (listed == other_tallies_.end()) {
      other_tallies_.emplace_back(symbol, kNoTally);
      known = &other_tallies_.back().second;
    } else {
      known = &listed->second;
    }
  }
  if (*known == kNoTally) {
    *known = tallies_.size();
    tallies_.emplace_back();
  }
  return *known;
}

void AtomTally::Count(const Text& compound) {
  std::fill(tallies_.begin(), tallies_.end(), Tally{});
  group_ = FirstGroup(compound);
  const std::size_t length = compound.size();
  for (std::size_t i = 0; i < length; ++i) {
    const char32_t c = compound[i];
    if (IsSymbolStart(c)) {
      Match(form_tally_[SymbolForm(c)], compound, i, 1);
      if (i + 1 < length && IsSymbolContinuation(compound[i + 1])) {
        Match(form_tally_[SymbolForm(c, compound[i + 1])], compound, i, 2);
      }
    }
    for (const auto& [symbol, tally] : other_tallies_) {
      if (compound.compare(i, symbol.size(), symbol) == 0) Match(tally, compound, i, symbol.size());
    }
  }
}

void AtomTally::Match(std::size_t tally, const Text& compound, std::size_t at, std::size_t length) {
  if (tally == kNoTally) return;
  Tally& counted = tallies_[tally];
  // Every occurrence of a symbol's text is a match, so the first match is the
  // first occurrence, which alone decides the factor. A lookup that fails
  // leaves no factor.
  if (counted.factor == kUnseen) counted.factor = group_.FactorFor(at).value_or(0);
  // A match on the last character adds 1 whatever the factor. It is the
  // symbol's last match too: no text of the symbol can start after it.
  const std::size_t after = at + length;
  const std::int32_t amount =
      after == compound.size() ? 1 : AddedBy(compound[after], counted.factor);
  // An addition that would pass the cap is not made; smaller ones still are.
  if (counted.count + amount <= kCountCap) counted.count += amount;
}

std::optional<std::int16_t> GroupMultiplier(const Text& compound, const Text& symbol) {
  // A plain substring search: for C it may find the C of Ca.
  return FirstGroup(compound).FactorFor(compound.find(symbol));
}

std::int16_t CountAtoms(const Text& compound, const Text& symbol) {
  AtomTally tally({Text(), symbol});
  tally.Count(compound);
  return tally.At(1);
}

}  // namespace quorvel
