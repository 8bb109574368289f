// Counting the atoms of a scanned formula: groups, their counts, and adduct parts.

#include <array>
#include <string>

#include "atom_kind.h"
#include "formula.h"

namespace quorvel::chemistry::detail {
namespace {

// Sums the atoms of one formula, each kind in one place, in order of first
// appearance.
class AtomTally {
 public:
  void Add(int element, int mass, Integer count) {
    std::size_t& slot = slot_[AtomKind(element, mass)];  // 0, or the place plus 1
    if (slot == 0) {
      atoms_.push_back({element, std::move(count), mass});
      slot = atoms_.size();
    } else {
      atoms_[slot - 1].count += count;
    }
  }

  std::vector<AtomCount> Take() { return std::move(atoms_); }

 private:
  AtomKindIndex slot_;
  std::vector<AtomCount> atoms_;
};

}  // namespace

FormulaReading CountAtoms(const SourceText& text, const FormulaShape& shape, std::size_t end) {
  FormulaReading reading;
  AtomTally tally;
  FormulaTokens tokens(text, shape.begin, end, std::nullopt, shape.bonds);
  // What every atom at the current depth is multiplied by: the counts of the
  // groups around it and the count that leads its part, all times the formula
  // units counted, which makes a fractional count whole.
  std::vector<Integer> factor;
  auto start_part = [&]() {
    std::optional<Token> count;
    if (tokens.PeekKind() == TokenKind::kCount) count = tokens.Next();
    factor.assign(1, count ? count->value * (count->denominator ? shape.units / *count->denominator
                                                                : shape.units)
                           : shape.units);
  };
  start_part();
  std::size_t group = 0;
  auto take_count = [&]() -> std::optional<Token> {
    if (tokens.PeekKind() != TokenKind::kCount) return std::nullopt;
    std::optional<Token> count = tokens.Next();
    if (reading.long_count.empty() && count->ascii && count->end - count->begin > 1) {
      reading.long_count = text.Typed(count->begin, count->end);
    }
    return count;
  };
  while (std::optional<Token> token = tokens.Next()) {
    switch (token->kind) {
      case TokenKind::kElement: {
        std::optional<Token> count = take_count();
        Integer atoms = count ? std::move(count->value) : Integer(1);
        if (factor.back() != 1) atoms *= factor.back();
        tally.Add(token->element, token->mass, std::move(atoms));
        break;
      }
      case TokenKind::kOpen: {
        ++reading.group_count;
        reading.other_brackets = reading.other_brackets || token->bracket != U'(';
        FormulaTokens after(text, shape.group_closes[group++] + 1, end, TokenKind::kClose,
                            shape.bonds);
        std::optional<Token> count;
        if (after.PeekKind() == TokenKind::kCount) count = after.Next();
        factor.push_back(count ? factor.back() * count->value : factor.back());
        break;
      }
      case TokenKind::kClose:
        factor.pop_back();
        take_count();
        break;
      case TokenKind::kDot:
        // The leading count counts the part, not an atom: it is no long count.
        start_part();
        break;
      case TokenKind::kCount:
      case TokenKind::kOxidation:
        break;  // a count stands after what it counts (ScanFormula checked); a state counts nothing
    }
  }
  reading.atoms = tally.Take();
  return reading;
}

}  // namespace quorvel::chemistry::detail
