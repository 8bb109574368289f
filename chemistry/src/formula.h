// The tokens and shape of one formula, and its atoms counted.

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "bonds.h"
#include "quorvel/chemistry/equation.h"
#include "source_text.h"

namespace quorvel::chemistry::detail {

// kOxidation is an oxidation state in Roman numerals after a symbol: Fe(III).
enum class TokenKind { kElement, kCount, kOpen, kClose, kDot, kOxidation };

struct Token {
  TokenKind kind = TokenKind::kElement;
  std::size_t begin = 0;  // characters [begin, end)
  std::size_t end = 0;
  int element = 0;  // kElement: the atomic number
  int mass = 0;     // kElement: the mass number of a labelled atom (D, ¹⁴C, [14C])
  Integer value;    // kCount: the numerator; kOxidation: the state
  // kCount: a fraction's denominator (½H2O, 0.5H2O); none for a whole count,
  // which keeps the many whole ones cheap to pass around.
  std::optional<Integer> denominator;
  bool ascii = false;    // kCount: written with ASCII digits, not subscripts
  char32_t bracket = 0;  // kOpen, kClose
};

// The tokens of a formula, one at a time, from `begin` up to `end` or the
// first character that is no part of a formula: a charge, a state mark, a
// space, a sign, an arrow. Fails on a symbol that names no element. A bond
// between two parts (CH2=CH2), when `bonds` says so, is passed over.
class FormulaTokens {
 public:
  // `previous`: the token before `begin`, when reading resumes mid-formula.
  FormulaTokens(const SourceText& text, std::size_t begin, std::size_t end,
                std::optional<TokenKind> previous = std::nullopt, const Bonds* bonds = nullptr);

  std::optional<Token> Next();
  // The next token's kind without taking it.
  std::optional<TokenKind> PeekKind() const;
  std::size_t position() const { return i_; }

 private:
  // A count that leads the formula or a part after an adduct dot may be a
  // fraction; any other count is whole.
  bool AtPartStart() const { return !previous_ || previous_ == TokenKind::kDot; }
  Token Lex(TokenKind kind);

  const SourceText& text_;
  std::size_t i_;
  std::size_t end_;
  std::optional<TokenKind> previous_;
  const Bonds* bonds_;
  bool previous_subscript_ = false;  // the previous token is a count written in subscripts
};

// What the first reading of a formula learns: where it ends, where each of
// its groups closes, and the shape of its last token, which a charge may
// take (Fe3+).
struct FormulaShape {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::vector<std::size_t> group_closes;  // per group, in order of opening: its ")" position
  std::size_t tokens = 0;
  int lone_element = 0;                 // the atomic number when the formula is one symbol: C
  bool lone_element_and_count = false;  // exactly a symbol and an ASCII count: Fe3
  // Exactly a symbol and an oxidation state, Fe(III): the ion of that charge.
  bool lone_element_and_oxidation = false;
  int oxidation_state = -1;    // the first oxidation state; -1 when none
  bool leading_count = false;  // a count before the first part: 2CaSO4·H2O
  std::size_t dots = 0;        // adduct dots: one fewer than the parts
  // The least common multiple of the denominators of the parts' counts: the
  // formula units counted so that every atom's count is whole.
  Integer units = 1;
  std::size_t last_count_begin = 0;  // when the last token is an ASCII count
  std::size_t last_count_end = 0;
  bool ends_in_ascii_count = false;
  const Bonds* bonds = nullptr;  // the bonds it was read with, for CountAtoms
};

// Reads the formula at i (it may start with the count of its first part),
// checks that its brackets pair, its groups nest at
// most kMaxGroupDepth deep and every count and adduct dot stands where one
// may, and leaves i after it. Iterative: no input decides the call depth.
FormulaShape ScanFormula(const SourceText& text, std::size_t& i, const Bonds* bonds = nullptr);

struct FormulaReading {
  std::vector<AtomCount> atoms;
  std::size_t group_count = 0;
  bool other_brackets = false;  // a [ ] or { } group
  std::string long_count;       // the first count of two or more ASCII digits
};

// Counts the atoms of a scanned formula up to `end` (its end, or the start of
// a last count that a charge took): a group's count multiplies what the group
// holds, and the count that leads a part after an adduct dot multiplies that
// part.
FormulaReading CountAtoms(const SourceText& text, const FormulaShape& shape, std::size_t end);

}  // namespace quorvel::chemistry::detail
