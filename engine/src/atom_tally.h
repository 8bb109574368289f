#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "quorvel/elements.h"
#include "symbol_forms.h"

namespace quorvel {

// The only group the counter reads: between the first "(" and the first ")"
// of a formula, with the one digit right after that ")" as its factor.
class FirstGroup {
 public:
  FirstGroup() = default;
  explicit FirstGroup(const Text& compound);

  // The factor of a symbol whose first occurrence stands at `first` (npos
  // when it does not occur): 0 unless that occurrence lies strictly inside
  // the group; nullopt when it does and no digit follows the ")".
  std::optional<std::int16_t> FactorFor(std::size_t first) const;

 private:
  std::size_t open_ = Text::npos;
  std::size_t close_ = Text::npos;
  std::optional<std::int16_t> digit_after_close_;
};

// The atom counts of every listed symbol in one compound, from one walk over
// the compound. Every place where a listed symbol's text stands is a match of
// that symbol, and the match rule decides what it adds. CountAtoms is this
// walk with a list of one symbol; the composition matrix, with the whole
// element list, counts a compound for all its elements at once.
class AtomTally {
 public:
  // The symbols in slots 1..n (slot 0 is not read). Any text is accepted:
  // texts that cannot match (empty, three or more characters) count 0, and a
  // symbol listed twice gets the same count in both slots.
  explicit AtomTally(const ElementList& symbols);

  // Counts `compound`, replacing the counts of the compound before.
  void Count(const Text& compound);

  // The count of slot e (1..n) in the compound counted last.
  std::int16_t At(std::size_t e) const {
    return static_cast<std::int16_t>(tallies_[slot_tally_[e]].count);
  }

 private:
  static constexpr std::int32_t kUnseen = -1;
  // Tally 0 is never matched: it holds the 0 of texts that cannot match.
  static constexpr std::size_t kNoTally = 0;

  struct Tally {
    std::int32_t count = 0;
    // The group factor, fixed at the symbol's first occurrence.
    std::int32_t factor = kUnseen;
  };

  std::size_t TallyFor(const Text& symbol);
  void Match(std::size_t tally, const Text& compound, std::size_t at, std::size_t length);

  std::vector<Tally> tallies_;
  std::vector<std::size_t> slot_tally_;
  // Symbols the scanner can list, looked up by their form number; any other
  // text (a lone lower-case letter, a digit, ...) is compared at every place.
  std::array<std::size_t, kSymbolForms> form_tally_{};
  std::vector<std::pair<Text, std::size_t>> other_tallies_;
  FirstGroup group_;
};

}  // namespace quorvel
