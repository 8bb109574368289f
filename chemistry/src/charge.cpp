#include "charge.h"

#include "characters.h"
#include "number.h"
#include "parse_failure.h"

namespace quorvel::chemistry::detail {
namespace {

// Digits and a sign in either order ("3+", "+3", "+"), as after "^" or
// inside braces. Returns 0 when no sign is there.
Integer ReadSignedMagnitude(const SourceText& text, std::size_t& i) {
  if (IsDigit(text[i])) {
    const Number number = ReadNumber(text, i, AsciiDigit, NumberRole::kCharge);
    const int sign = Sign(text[number.end]);
    if (sign == 0) return 0;
    i = number.end + 1;
    return sign * number.value;
  }
  const int sign = Sign(text[i]);
  if (sign == 0) return 0;
  if (!IsDigit(text[++i])) return sign;
  const Number number = ReadNumber(text, i, AsciiDigit, NumberRole::kCharge);
  i = number.end;
  return sign * number.value;
}

// ³⁺, ²⁻, ⁻ and ⁺³; also ²- and ²+, where the sign lost its superscript.
Integer ReadSuperscriptCharge(const SourceText& text, std::size_t& i) {
  if (const int sign = SuperscriptSign(text[i]); sign != 0) {
    if (SuperscriptDigit(text[++i]) < 0) return sign;
    const Number number = ReadNumber(text, i, SuperscriptDigit, NumberRole::kCharge);
    i = number.end;
    return sign * number.value;
  }
  const Number number = ReadNumber(text, i, SuperscriptDigit, NumberRole::kCharge);
  int sign = SuperscriptSign(text[number.end]);
  if (sign == 0) sign = Sign(text[number.end]);
  if (sign == 0) {
    FailAt(ReasonKind::kUnsignedCharge, i);
  }
  i = number.end + 1;
  return sign * number.value;
}

// ^3+, ^+3, ^-, ^{3+}, {3+} and ^³⁺.
Integer ReadMarkedCharge(const SourceText& text, std::size_t& i) {
  const std::size_t mark = i;
  if (text[i] == U'^') ++i;
  if (mark < i && (SuperscriptDigit(text[i]) >= 0 || SuperscriptSign(text[i]) != 0)) {
    return ReadSuperscriptCharge(text, i);
  }
  const std::size_t brace = text[i] == U'{' ? i++ : kNoPosition;
  const Integer charge = ReadSignedMagnitude(text, i);
  if (charge == 0) {
    FailAt(ReasonKind::kNoCharge, mark, text.TypedAt(mark));
  }
  if (brace != kNoPosition) {
    if (text[i] != U'}') FailAt(ReasonKind::kNeverClosed, brace, text.TypedAt(brace));
    ++i;
  }
  return charge;
}

// Digits right before an unmarked sign read two ways: the charge after a
// lone symbol (Fe3+), a subscript after any other formula (MnO4-). The note
// says which reading was taken and how to write the other.
std::string TwoReadingsNote(const SourceText& text, const FormulaShape& shape, std::size_t sign_at,
                            bool digits_are_charge) {
  const std::string before = text.Typed(shape.begin, shape.last_count_begin);
  const std::string digits = text.Typed(shape.last_count_begin, shape.last_count_end);
  const int sign_value =
      Sign(text[sign_at]) != 0 ? Sign(text[sign_at]) : SuperscriptSign(text[sign_at]);
  const std::string sign = sign_value > 0 ? "+" : "-";
  const std::string as_charge = before + " with charge " + digits + sign;
  const std::string as_count = before + digits + " with charge 1" + sign;
  const std::string typed = before + digits + text.Typed(sign_at, sign_at + 1) + " is read as ";
  if (digits_are_charge) {
    return typed + as_charge + "; for " + as_count + ", write " + before + digits + "^" + sign;
  }
  return typed + as_count + "; for " + as_charge + ", write " + before + "^" + digits + sign;
}

// Digits right before a sign that has no mark of its own (Fe3+, Fe3⁺): the
// charge after a lone symbol, with a note; otherwise a subscript.
void ReadDigitsBeforeSign(const SourceText& text, std::size_t sign_at, const FormulaShape& shape,
                          ChargeReading& reading) {
  if (!shape.ends_in_ascii_count || shape.last_count_end != sign_at) return;
  reading.note = TwoReadingsNote(text, shape, sign_at, shape.lone_element_and_count);
  if (shape.lone_element_and_count) {
    reading.charge *=
        ReadNumber(text, shape.last_count_begin, AsciiDigit, NumberRole::kCharge).value;
    reading.formula_end = shape.last_count_begin;
  }
}

// C-14 is a lone symbol with a charge of 14-, which no ion carries: the
// writer most likely meant the isotope.
std::string IsotopeNote(const SourceText& text, const FormulaShape& shape, std::size_t sign_at,
                        std::size_t after, const Integer& magnitude) {
  constexpr int kLargestAnionCharge = 4;
  if (shape.lone_element == 0 || Sign(text[sign_at]) > 0) return "";
  if (magnitude <= kLargestAnionCharge || magnitude < shape.lone_element) return "";
  const std::string symbol = text.Typed(shape.begin, shape.end);
  const std::string mass = magnitude.str();
  return text.Typed(shape.begin, after) + " is read as " + symbol + " with charge " + mass +
         "-; for the isotope, write ^" + mass + symbol + " or [" + mass + symbol + "]";
}

// The signs that repeat the one at i: Fe+++ and SO4-- carry the charge as
// a run of signs.
std::size_t SignRun(const SourceText& text, std::size_t i) {
  std::size_t end = i;
  while (Sign(text[end]) == Sign(text[i])) ++end;
  return end - i;
}

// A sign with nothing to mark it (OH-, Fe3+, Fe+3, Fe++): a charge only
// where it ends the species.
ChargeReading ReadUnmarkedCharge(const SourceText& text, std::size_t& i,
                                 const FormulaShape& shape) {
  ChargeReading reading;
  reading.formula_end = shape.end;
  const int sign = Sign(text[i]);
  // The longest run that ends the species: in Fe3++Cl- the second "+" joins.
  std::size_t run = SignRun(text, i);
  while (run > 1 && !EndsSpecies(text, i + run)) --run;
  if (run > 1) {
    if (sign > 0) reading.unmarked_plus = i;
    reading.charge = sign * static_cast<int>(run);
    i += run;
    return reading;
  }
  std::size_t after = i + 1;
  while (IsDigit(text[after])) ++after;
  if (!EndsSpecies(text, after)) return reading;
  if (sign > 0) reading.unmarked_plus = i;

  reading.charge = sign;
  if (after > i + 1) {
    const Integer magnitude = ReadNumber(text, i + 1, AsciiDigit, NumberRole::kCharge).value;
    reading.note = IsotopeNote(text, shape, i, after, magnitude);
    reading.charge *= magnitude;
  } else {
    ReadDigitsBeforeSign(text, i, shape, reading);
  }
  i = after;
  return reading;
}

// SO₄2-: digits after subscripts, where superscripts were lost in copying.
ChargeReading ReadDigitsAfterSubscripts(const SourceText& text, std::size_t& i,
                                        const FormulaShape& shape) {
  ChargeReading reading;
  reading.formula_end = shape.end;
  const Number number = ReadNumber(text, i, AsciiDigit, NumberRole::kCharge);
  const int sign = Sign(text[number.end]);
  if (sign == 0 || !EndsSpecies(text, number.end + 1)) {
    FailAt(ReasonKind::kSubscriptThenDigits, i, text.Typed(i, number.end));
  }
  reading.charge = sign * number.value;
  i = number.end + 1;
  return reading;
}

}  // namespace

bool EndsSpecies(const SourceText& text, std::size_t i) {
  const char32_t c = text[i];
  return c == kEndOfText || IsSpace(c) || Sign(c) != 0 || ArrowLength(text, i) > 0 ||
         StateMarkLength(text, i) > 0;
}

ChargeReading ReadCharge(const SourceText& text, std::size_t& i, const FormulaShape& shape) {
  const char32_t c = text[i];
  ChargeReading reading;
  reading.formula_end = shape.end;
  if (c == U'^' || c == U'{') {
    reading.charge = ReadMarkedCharge(text, i);
  } else if (SuperscriptSign(c) != 0 || SuperscriptDigit(c) >= 0) {
    const std::size_t sign_at = i;
    reading.charge = ReadSuperscriptCharge(text, i);
    if (i == sign_at + 1) ReadDigitsBeforeSign(text, sign_at, shape, reading);
  } else if (IsDigit(c)) {
    reading = ReadDigitsAfterSubscripts(text, i, shape);
  } else if (Sign(c) != 0) {
    reading = ReadUnmarkedCharge(text, i, shape);
  }
  return reading;
}

}  // namespace quorvel::chemistry::detail
