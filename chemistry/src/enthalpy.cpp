// The ΔH term of a thermochemical equation, written after the products.

#include "enthalpy.h"

#include "characters.h"
#include "parse_failure.h"

namespace quorvel::chemistry::detail {
namespace {

// Δ (U+0394), the increment sign ∆ (U+2206) word processors give for it, and
// the triangle △ that Chinese input methods offer.
bool IsDelta(char32_t c) { return c == U'Δ' || c == U'∆' || c == U'△'; }

bool IsSeparator(char32_t c) { return c == U',' || c == U';' || c == U'、'; }

std::size_t SkipSpaces(const SourceText& text, std::size_t i) {
  while (IsSpace(text[i])) ++i;
  return i;
}

// The dot or space between kJ and mol in kJ·mol⁻¹.
bool IsUnitJoin(char32_t c) { return IsAdductDot(c) || IsSpace(c); }

// "⁻¹", "-1", "^-1" after mol: the end of the exponent, or i when none is there.
std::size_t PerMolExponentEnd(const SourceText& text, std::size_t i) {
  if (SuperscriptSign(text[i]) < 0 && SuperscriptDigit(text[i + 1]) == 1) return i + 2;
  const std::size_t j = text[i] == U'^' ? i + 1 : i;
  if (Sign(text[j]) < 0 && text[j + 1] == U'1' && !IsDigit(text[j + 2])) return j + 2;
  return i;
}

bool MolAt(const SourceText& text, std::size_t i) {
  return text[i] == U'm' && text[i + 1] == U'o' && text[i + 2] == U'l';
}

// kJ/mol, kJ·mol⁻¹, kJ·mol-1, kJ mol-1 (KJ too, as students type it): the
// end of the unit, or i when none is there.
std::size_t UnitEnd(const SourceText& text, std::size_t i) {
  if ((text[i] != U'k' && text[i] != U'K') || text[i + 1] != U'J') return i;
  std::size_t j = i + 2;
  if (text[j] == U'/') return MolAt(text, j + 1) ? j + 4 : i;
  if (!IsUnitJoin(text[j])) return i;
  while (IsUnitJoin(text[j])) ++j;
  if (!MolAt(text, j)) return i;
  const std::size_t end = PerMolExponentEnd(text, j + 3);
  return end > j + 3 ? end : i;
}

// The typed characters from `from` to `to`, each run of spaces one space.
std::string WithRegularSpaces(const SourceText& text, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t k = from; k < to; ++k) {
    if (!IsSpace(text[k])) {
      out += text.TypedAt(k);
    } else if (!IsSpace(text[k + 1])) {
      out += ' ';
    }
  }
  return out;
}

[[noreturn]] void Unread(const SourceText& text, std::size_t delta) {
  FailAt(ReasonKind::kEnthalpyUnread, delta, EnthalpyTyped(text, delta));
}

}  // namespace

std::optional<std::size_t> EnthalpyAt(const SourceText& text, std::size_t i) {
  if (IsSeparator(text[i])) i = SkipSpaces(text, i + 1);
  if (IsDelta(text[i]) && text[i + 1] == U'H' && !IsSmall(text[i + 2])) return i;
  return std::nullopt;
}

std::string EnthalpyTyped(const SourceText& text, std::size_t delta) {
  // A line break or other control character ends what a reason can quote.
  std::size_t end = delta;
  while (IsPrintable(text[end]) || IsSpace(text[end])) ++end;
  return WithRegularSpaces(text, delta, end);
}

EnthalpyTerm ReadEnthalpy(const SourceText& text, std::size_t delta) {
  const std::string symbol = text.Typed(delta, delta + 2);
  std::size_t j = SkipSpaces(text, delta + 2);
  EnthalpyTerm term;
  if (text[j] == U'<' || text[j] == U'>') {
    const std::size_t zero = SkipSpaces(text, j + 1);
    if (text[zero] != U'0' || SkipSpaces(text, zero + 1) != text.size()) Unread(text, delta);
    term.text = symbol + " " + text.TypedAt(j) + " 0";
    term.sign_only = true;
    return term;
  }
  if (text[j] != U'=') Unread(text, delta);
  j = SkipSpaces(text, j + 1);
  std::string value;
  if (Sign(text[j]) != 0) {
    value = text.TypedAt(j);
    j = SkipSpaces(text, j + 1);
  }
  const std::size_t digits = j;
  while (IsDigit(text[j])) ++j;
  if (j > digits && text[j] == U'.' && IsDigit(text[j + 1])) {
    j += 2;
    while (IsDigit(text[j])) ++j;
  }
  if (j == digits) Unread(text, delta);
  value += text.Typed(digits, j);
  const std::size_t unit = SkipSpaces(text, j);
  const std::size_t unit_end = UnitEnd(text, unit);
  if (unit_end == unit || SkipSpaces(text, unit_end) != text.size()) Unread(text, delta);
  term.text = symbol + " = " + value + " " + WithRegularSpaces(text, unit, unit_end);
  return term;
}

}  // namespace quorvel::chemistry::detail
