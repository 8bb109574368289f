// The first pass over a formula: its end, its groups paired, and where counts may stand.

#include <string>
#include <utility>

#include "characters.h"
#include "formula.h"
#include "parse_failure.h"
#include "quorvel/chemistry/parser.h"

namespace quorvel::chemistry::detail {
namespace {

constexpr std::size_t kUnclosed = static_cast<std::size_t>(-1);

// The open groups, innermost last: an explicit stack, so that no nesting
// can exhaust the call stack.
class OpenGroups {
 public:
  void Open(std::size_t at, std::vector<std::size_t>& closes) {
    if (open_.size() == kMaxGroupDepth) {
      Reason reason;
      reason.kind = ReasonKind::kNestedTooDeep;
      reason.position = at + 1;
      reason.count = kMaxGroupDepth;
      Fail(std::move(reason));
    }
    open_.push_back({at, closes.size()});
    closes.push_back(kUnclosed);
  }

  void Close(const SourceText& text, std::size_t at, bool empty, std::vector<std::size_t>& closes) {
    if (open_.empty()) FailAt(ReasonKind::kClosesNothing, at, text.TypedAt(at));
    const Group group = open_.back();
    if (ClosingBracket(text[group.at]) != text[at]) {
      Reason reason;
      reason.kind = ReasonKind::kMismatchedBracket;
      reason.position = at + 1;
      reason.text = text.TypedAt(at);
      reason.other_position = group.at + 1;
      reason.other_text = text.TypedAt(group.at);
      Fail(std::move(reason));
    }
    if (empty) FailAt(ReasonKind::kEmptyGroup, group.at);
    closes[group.ordinal] = at;
    open_.pop_back();
  }

  bool empty() const { return open_.empty(); }

  void ExpectAllClosed(const SourceText& text) const {
    if (!open_.empty()) {
      const std::size_t at = open_.back().at;
      FailAt(ReasonKind::kNeverClosed, at, text.TypedAt(at));
    }
  }

 private:
  struct Group {
    std::size_t at;
    std::size_t ordinal;
  };
  std::vector<Group> open_;
};

}  // namespace

FormulaShape ScanFormula(const SourceText& text, std::size_t& i, const Bonds* bonds) {
  FormulaShape shape;
  shape.begin = i;
  shape.bonds = bonds;
  FormulaTokens tokens(text, i, text.size(), std::nullopt, bonds);
  OpenGroups groups;
  std::optional<TokenKind> previous;
  std::size_t previous_at = 0;
  int first_element = 0;
  bool first_is_labelled = false;
  // Since the last adduct dot: whether its part holds anything yet.
  std::size_t last_dot = kUnclosed;
  bool part_empty = false;
  while (std::optional<Token> token = tokens.Next()) {
    switch (token->kind) {
      case TokenKind::kElement:
        part_empty = false;
        if (!previous) {
          first_element = token->element;
          first_is_labelled = token->mass != 0;
        }
        break;
      case TokenKind::kOxidation:
        if (shape.oxidation_state < 0) shape.oxidation_state = static_cast<int>(token->value);
        break;
      case TokenKind::kOpen:
        part_empty = false;
        groups.Open(token->begin, shape.group_closes);
        break;
      case TokenKind::kClose:
        groups.Close(text, token->begin, previous == TokenKind::kOpen, shape.group_closes);
        break;
      case TokenKind::kDot: {
        const std::string dot = text.TypedAt(token->begin);
        if (!previous) FailAt(ReasonKind::kNothingBeforeDot, token->begin, dot);
        if (part_empty) FailAt(ReasonKind::kNothingAfterDot, last_dot, text.TypedAt(last_dot));
        if (!groups.empty()) FailAt(ReasonKind::kDotInGroup, token->begin, dot);
        last_dot = token->begin;
        part_empty = true;
        ++shape.dots;
        break;
      }
      case TokenKind::kCount:
        if (!previous && SubscriptDigit(text[token->begin]) < 0) {
          shape.leading_count = true;
          part_empty = true;
        } else if (previous == TokenKind::kOxidation) {
          Reason reason;
          reason.kind = ReasonKind::kCountAfterOxidation;
          reason.position = token->begin + 1;
          reason.other_position = previous_at + 1;
          reason.other_text = text.Typed(previous_at, token->begin);
          Fail(std::move(reason));
        } else if (previous != TokenKind::kElement && previous != TokenKind::kClose &&
                   previous != TokenKind::kDot) {
          FailAt(ReasonKind::kCountWithoutFormula, token->begin);
        }
        if (token->denominator) shape.units = lcm(shape.units, *token->denominator);
        break;
    }
    previous = token->kind;
    previous_at = token->begin;
    ++shape.tokens;
    shape.ends_in_ascii_count = token->kind == TokenKind::kCount && token->ascii;
    if (shape.ends_in_ascii_count) {
      shape.last_count_begin = token->begin;
      shape.last_count_end = token->end;
    }
  }
  groups.ExpectAllClosed(text);
  if (part_empty) {
    if (last_dot == kUnclosed) FailAt(ReasonKind::kCoefficientAlone, shape.begin);
    FailAt(ReasonKind::kNothingAfterDot, last_dot, text.TypedAt(last_dot));
  }
  if (shape.leading_count && shape.dots == 0) {
    FailAt(ReasonKind::kSecondCoefficient, shape.begin);
  }
  const bool plain_first = first_element != 0 && !first_is_labelled;
  shape.lone_element = shape.tokens == 1 && plain_first ? first_element : 0;
  shape.lone_element_and_count = shape.tokens == 2 && plain_first && shape.ends_in_ascii_count;
  shape.lone_element_and_oxidation =
      shape.tokens == 2 && plain_first && previous == TokenKind::kOxidation;
  shape.end = i = tokens.position();
  return shape;
}

}  // namespace quorvel::chemistry::detail
