#include <string>

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
      Fail("groups nested more than " + std::to_string(kMaxGroupDepth) + " deep " + At(at));
    }
    open_.push_back({at, closes.size()});
    closes.push_back(kUnclosed);
  }

  void Close(const SourceText& text, std::size_t at, bool empty, std::vector<std::size_t>& closes) {
    if (open_.empty()) Fail(text.Show(at) + " " + At(at) + " closes nothing");
    const Group group = open_.back();
    if (ClosingBracket(text[group.at]) != text[at]) {
      Fail(text.Show(at) + " " + At(at) + " does not close " + text.Show(group.at) + " " +
           At(group.at));
    }
    if (empty) Fail("empty group " + At(group.at));
    closes[group.ordinal] = at;
    open_.pop_back();
  }

  bool empty() const { return open_.empty(); }

  void ExpectAllClosed(const SourceText& text) const {
    if (!open_.empty()) {
      Fail(text.Show(open_.back().at) + " " + At(open_.back().at) + " is never closed");
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

FormulaShape ScanFormula(const SourceText& text, std::size_t& i) {
  FormulaShape shape;
  shape.begin = i;
  FormulaTokens tokens(text, i, text.size());
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
      case TokenKind::kDot:
        if (!previous) Fail("nothing before the adduct dot " + At(token->begin));
        if (part_empty) Fail("nothing after the adduct dot " + At(last_dot));
        if (!groups.empty()) Fail("an adduct dot inside a group " + At(token->begin));
        last_dot = token->begin;
        part_empty = true;
        ++shape.dots;
        break;
      case TokenKind::kCount:
        if (!previous && SubscriptDigit(text[token->begin]) < 0) {
          shape.leading_count = true;
          part_empty = true;
        } else if (previous == TokenKind::kOxidation) {
          Fail("the count " + At(token->begin) + " follows the oxidation state " +
               text.Typed(previous_at, token->begin) + " " + At(previous_at) +
               ", which counts no atoms: write the count right after the symbol");
        } else if (previous != TokenKind::kElement && previous != TokenKind::kClose &&
                   previous != TokenKind::kDot) {
          Fail("the count " + At(token->begin) + " follows no element or group");
        }
        if (token->denominator != 1) shape.units = lcm(shape.units, token->denominator);
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
    if (last_dot == kUnclosed) {
      Fail("the count " + At(shape.begin) + " stands before no formula");
    }
    Fail("nothing after the adduct dot " + At(last_dot));
  }
  if (shape.leading_count && shape.dots == 0) {
    Fail("the count " + At(shape.begin) +
         " stands before a formula that already has a coefficient: write one number before it");
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
