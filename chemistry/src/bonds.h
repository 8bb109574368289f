// Bonds written inside a formula: CH2=CH2, CH≡CH.

#pragma once

#include <cstddef>
#include <optional>

#include "source_text.h"

namespace quorvel::chemistry::detail {

// A "≡" between two parts of a formula is a triple bond wherever it stands;
// a "=" is a double bond only when another sign joins the sides (→, ⇌,
// =催化剂=, a long arrow), since a lone "=" is that sign. A bond counts
// nothing and stays in the formula's text, so CH2=CH2 and C2H4 are two
// species of one composition, as two names of one formula are.
class Bonds {
 public:
  explicit Bonds(const SourceText& text) : text_(text) {}

  // Whether the character at i, right after a part of a formula, is a bond:
  // a part starts after it (a capital letter or a group).
  bool At(std::size_t i) const;

 private:
  // Where the sign between the sides stands when it is not a lone "=" run:
  // found the first time a "=" may be a bond, since most lines hold none.
  struct Sign {
    std::size_t begin = 0;
    std::size_t end = 0;
  };
  std::optional<Sign> OtherSign() const;

  const SourceText& text_;
  mutable bool searched_ = false;
  mutable std::optional<Sign> other_sign_;
};

}  // namespace quorvel::chemistry::detail
