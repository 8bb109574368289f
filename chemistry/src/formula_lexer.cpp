#include <string>
#include <utility>

#include "characters.h"
#include "formula.h"
#include "number.h"
#include "parse_failure.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

// A symbol is a capital letter and the small letters that follow it, so that
// "Xx" or "Hxo" is named whole in the error rather than read as H and a stray.
Token LexSymbol(const SourceText& text, std::size_t& i) {
  const std::size_t begin = i;
  if (IsCapital(text[i])) ++i;
  while (IsSmall(text[i])) ++i;
  const std::string symbol = text.Typed(begin, i);
  const int element = AtomicNumber(symbol);
  if (element == 0) {
    Reason reason;
    reason.kind = ReasonKind::kUnknownElement;
    reason.position = begin + 1;
    reason.text = symbol;
    if (!IsCapital(text[begin])) reason.expected = kExpectCapital;
    Fail(std::move(reason));
  }
  Token token;
  token.kind = TokenKind::kElement;
  token.begin = begin;
  token.end = i;
  token.element = element;
  return token;
}

Token LexCount(const SourceText& text, std::size_t& i) {
  Token token;
  token.kind = TokenKind::kCount;
  token.begin = i;
  token.ascii = IsDigit(text[i]);
  Number number =
      ReadNumber(text, i, token.ascii ? AsciiDigit : SubscriptDigit, NumberRole::kCount);
  token.value = std::move(number.value);
  token.end = i = number.end;
  return token;
}

Token LexSign(TokenKind kind, std::size_t& i, char32_t bracket) {
  Token token;
  token.kind = kind;
  token.begin = i;
  token.end = ++i;
  token.bracket = bracket;
  return token;
}

// "(aq)" ends the formula as a state mark, and "{3+}" as a charge; any other
// opening bracket starts a group.
bool OpensGroup(const SourceText& text, std::size_t i) {
  if (ClosingBracket(text[i]) == 0) return false;
  if (StateMarkLength(text, i) > 0) return false;
  if (text[i] == U'{' && (IsDigit(text[i + 1]) || Sign(text[i + 1]) != 0)) return false;
  return true;
}

}  // namespace

FormulaTokens::FormulaTokens(const SourceText& text, std::size_t begin, std::size_t end)
    : text_(text), i_(begin), end_(end) {}

std::optional<TokenKind> FormulaTokens::PeekKind() const {
  if (i_ >= end_) return std::nullopt;
  const char32_t c = text_[i_];
  if (IsCapital(c) || IsSmall(c)) return TokenKind::kElement;
  if (IsDigit(c) || SubscriptDigit(c) >= 0) return TokenKind::kCount;
  if (OpensGroup(text_, i_)) return TokenKind::kOpen;
  if (IsClosingBracket(c)) return TokenKind::kClose;
  if (IsAdductDot(c)) return TokenKind::kDot;
  return std::nullopt;
}

std::optional<Token> FormulaTokens::Next() {
  const std::optional<TokenKind> kind = PeekKind();
  if (!kind) return std::nullopt;
  switch (*kind) {
    case TokenKind::kElement:
      return LexSymbol(text_, i_);
    case TokenKind::kCount:
      return LexCount(text_, i_);
    case TokenKind::kOpen:
    case TokenKind::kClose:
      return LexSign(*kind, i_, text_[i_]);
    case TokenKind::kDot:
      return LexSign(*kind, i_, 0);
  }
  return std::nullopt;
}

}  // namespace quorvel::chemistry::detail
