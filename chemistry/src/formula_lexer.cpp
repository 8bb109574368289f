// The tokens of a formula: symbols, labelled atoms, counts, brackets, dots, oxidation states.

#include <string>
#include <utility>

#include "atom_kind.h"
#include "characters.h"
#include "formula.h"
#include "number.h"
#include "parse_failure.h"
#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

// Deuterium and tritium have symbols of their own.
struct HydrogenIsotope {
  char32_t symbol;
  int mass;
};
constexpr HydrogenIsotope kDeuterium{U'D', 2};
constexpr HydrogenIsotope kTritium{U'T', 3};

// Where a labelled atom's parts are: ¹⁴C, ^14C and ^{14}C put the mass number
// before the symbol, [14C] both in square brackets.
struct Label {
  std::size_t mass_begin = 0;
  std::size_t mass_end = 0;
  std::size_t symbol = 0;
  bool bracketed = false;
  bool superscript = false;
};

std::size_t SymbolEnd(const SourceText& text, std::size_t i) {
  if (!IsCapital(text[i])) return i;
  ++i;
  while (IsSmall(text[i])) ++i;
  return i;
}

std::optional<Label> LabelAt(const SourceText& text, std::size_t i) {
  Label label;
  std::size_t k = i;
  if (SuperscriptDigit(text[k]) >= 0) {
    label.superscript = true;
    label.mass_begin = k;
    while (SuperscriptDigit(text[k]) >= 0) ++k;
    label.mass_end = k;
  } else if (text[k] == U'^' || text[k] == U'[') {
    label.bracketed = text[k] == U'[';
    const bool brace = !label.bracketed && text[k + 1] == U'{';
    k += brace ? 2 : 1;
    label.mass_begin = k;
    while (IsDigit(text[k])) ++k;
    label.mass_end = k;
    if (brace && text[k++] != U'}') return std::nullopt;
  } else {
    return std::nullopt;
  }
  if (label.mass_end == label.mass_begin || !IsCapital(text[k])) return std::nullopt;
  label.symbol = k;
  if (label.bracketed && text[SymbolEnd(text, k)] != U']') return std::nullopt;
  return label;
}

// A symbol is a capital letter and the small letters that follow it, so that
// "Xx" or "Hxo" is named whole in the error rather than read as H and a stray.
Token LexSymbol(const SourceText& text, std::size_t& i) {
  const std::size_t begin = i;
  i = IsCapital(text[i]) ? SymbolEnd(text, i) : i;
  while (IsSmall(text[i])) ++i;
  Token token;
  token.kind = TokenKind::kElement;
  token.begin = begin;
  token.end = i;
  if (i == begin + 1) {
    for (const HydrogenIsotope& isotope : {kDeuterium, kTritium}) {
      if (text[begin] == isotope.symbol) {
        token.element = 1;
        token.mass = isotope.mass;
        return token;
      }
    }
  }
  // From the characters, not the bytes: a full-width Ｆｅ is Fe.
  std::string symbol;
  for (std::size_t k = begin; k < i; ++k) symbol += static_cast<char>(text[k]);
  token.element = AtomicNumber(symbol);
  if (token.element == 0) {
    Reason reason;
    reason.kind = ReasonKind::kUnknownElement;
    reason.position = begin + 1;
    reason.text = text.Typed(begin, i);
    if (!IsCapital(text[begin])) reason.expected = kExpectCapital;
    Fail(std::move(reason));
  }
  return token;
}

// The mass number is read whole: a value past any isotope's is refused
// before it costs anything.
Token LexLabelledAtom(const SourceText& text, std::size_t& i, const Label& label) {
  const std::size_t begin = i;
  i = label.symbol;
  Token token = LexSymbol(text, i);
  const std::string symbol = text.Typed(label.symbol, i);
  if (token.mass != 0) FailAt(ReasonKind::kLabelledIsotope, label.mass_begin, symbol);
  int mass = 0;
  for (std::size_t k = label.mass_begin; k < label.mass_end && mass <= kLargestMassNumber; ++k) {
    mass = mass * 10 + (label.superscript ? SuperscriptDigit(text[k]) : AsciiDigit(text[k]));
  }
  if (mass > kLargestMassNumber || mass < token.element) {
    Reason reason;
    reason.kind = ReasonKind::kNoSuchIsotope;
    reason.position = label.mass_begin + 1;
    reason.text = text.Typed(label.mass_begin, label.mass_end);
    reason.other_text = symbol;
    Fail(std::move(reason));
  }
  if (label.bracketed) ++i;  // the "]" that LabelAt found
  token.begin = begin;
  token.end = i;
  token.mass = mass;
  return token;
}

Token LexCount(const SourceText& text, std::size_t& i, std::size_t end, bool part_start) {
  Token token;
  token.kind = TokenKind::kCount;
  token.begin = i;
  token.ascii = IsDigit(text[i]);
  if (part_start && FractionLength(text, i) > 0) {
    Fraction fraction = ReadFraction(text, i);
    token.value = std::move(fraction.numerator);
    if (fraction.denominator != 1) token.denominator = std::move(fraction.denominator);
    token.end = i = fraction.end;
    return token;
  }
  Number number =
      ReadNumber(text, i, token.ascii ? AsciiDigit : SubscriptDigit, NumberRole::kCount, end);
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

// An adduct dot may stand between spaces: CuSO4 · 5H2O.
Token LexDot(const SourceText& text, std::size_t& i) {
  while (IsSpace(text[i])) ++i;
  Token token = LexSign(TokenKind::kDot, i, 0);
  while (IsSpace(text[i])) ++i;
  return token;
}

Token LexOxidationState(const SourceText& text, std::size_t& i) {
  const OxidationState state = OxidationStateAt(text, i);
  Token token;
  token.kind = TokenKind::kOxidation;
  token.begin = i;
  token.end = i += state.length;
  token.value = state.value;
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

bool SpacedDotAt(const SourceText& text, std::size_t i) {
  while (IsSpace(text[i])) ++i;
  return IsAdductDot(text[i]);
}

}  // namespace

FormulaTokens::FormulaTokens(const SourceText& text, std::size_t begin, std::size_t end,
                             std::optional<TokenKind> previous, const Bonds* bonds)
    : text_(text), i_(begin), end_(end), previous_(previous), bonds_(bonds) {}

std::optional<TokenKind> FormulaTokens::PeekKind() const {
  if (i_ >= end_) return std::nullopt;
  const char32_t c = text_[i_];
  if (IsCapital(c) || IsSmall(c) || LabelAt(text_, i_)) return TokenKind::kElement;
  if (IsDigit(c)) {
    // SO₄2-: digits after subscripts are no count; a charge reading takes them.
    if (previous_subscript_) return std::nullopt;
    return TokenKind::kCount;
  }
  if (SubscriptDigit(c) >= 0) return TokenKind::kCount;
  if (AtPartStart() && VulgarFraction(c).denominator != 0) return TokenKind::kCount;
  if (previous_ == TokenKind::kElement && OxidationStateAt(text_, i_).length > 0) {
    return TokenKind::kOxidation;
  }
  if (OpensGroup(text_, i_)) return TokenKind::kOpen;
  if (IsClosingBracket(c)) return TokenKind::kClose;
  if (IsAdductDot(c)) return TokenKind::kDot;
  if (IsSpace(c) && previous_ && SpacedDotAt(text_, i_)) return TokenKind::kDot;
  return std::nullopt;
}

Token FormulaTokens::Lex(TokenKind kind) {
  switch (kind) {
    case TokenKind::kElement:
      if (IsCapital(text_[i_]) || IsSmall(text_[i_])) return LexSymbol(text_, i_);
      return LexLabelledAtom(text_, i_, *LabelAt(text_, i_));
    case TokenKind::kCount:
      return LexCount(text_, i_, end_, AtPartStart());
    case TokenKind::kOpen:
    case TokenKind::kClose:
      return LexSign(kind, i_, text_[i_]);
    case TokenKind::kDot:
      return LexDot(text_, i_);
    case TokenKind::kOxidation:
      return LexOxidationState(text_, i_);
  }
  return LexSign(kind, i_, 0);
}

std::optional<Token> FormulaTokens::Next() {
  // A bond joins two parts: after a symbol, count or group, never a dot.
  const bool after_part =
      previous_ && *previous_ != TokenKind::kOpen && *previous_ != TokenKind::kDot;
  if (bonds_ != nullptr && after_part && i_ + 1 < end_ && bonds_->At(i_)) ++i_;
  const std::optional<TokenKind> kind = PeekKind();
  if (!kind) return std::nullopt;
  std::optional<Token> token(Lex(*kind));
  previous_ = *kind;
  previous_subscript_ = *kind == TokenKind::kCount && SubscriptDigit(text_[token->begin]) >= 0;
  return token;
}

}  // namespace quorvel::chemistry::detail
