#include <array>
#include <string>

#include "formula.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Sums the atoms of one formula, each element in one place, in order of
// first appearance.
class AtomTally {
 public:
  AtomTally() { slot_.fill(kNone); }

  void Add(int element, Integer count) {
    std::size_t& slot = slot_[static_cast<std::size_t>(element)];
    if (slot == kNone) {
      slot = atoms_.size();
      atoms_.push_back({element, std::move(count)});
    } else {
      atoms_[slot].count += count;
    }
  }

  std::vector<AtomCount> Take() { return std::move(atoms_); }

 private:
  std::array<std::size_t, kElementCount + 1> slot_;
  std::vector<AtomCount> atoms_;
};

}  // namespace

FormulaReading CountAtoms(const SourceText& text, const FormulaShape& shape, std::size_t end) {
  FormulaReading reading;
  AtomTally tally;
  FormulaTokens tokens(text, shape.begin, end);
  // What every atom at the current depth is multiplied by: the counts of the
  // groups around it and the count that leads its part.
  std::vector<Integer> factor{1};
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
        tally.Add(token->element, std::move(atoms));
        break;
      }
      case TokenKind::kOpen: {
        ++reading.group_count;
        reading.other_brackets = reading.other_brackets || token->bracket != U'(';
        FormulaTokens after(text, shape.group_closes[group++] + 1, end);
        std::optional<Token> count;
        if (after.PeekKind() == TokenKind::kCount) count = after.Next();
        factor.push_back(count ? factor.back() * count->value : factor.back());
        break;
      }
      case TokenKind::kClose:
        factor.pop_back();
        take_count();
        break;
      case TokenKind::kDot: {
        // The leading count is not a subscript: it is not the window's concern.
        std::optional<Token> count;
        if (tokens.PeekKind() == TokenKind::kCount) count = tokens.Next();
        factor.assign(1, count ? std::move(count->value) : Integer(1));
        break;
      }
      case TokenKind::kCount:
        break;  // every count stands after what it counts: ScanFormula checked
    }
  }
  reading.atoms = tally.Take();
  return reading;
}

}  // namespace quorvel::chemistry::detail
