// How a charge is read after a formula: marked, superscript, or digits before a bare sign.

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

// Textbook ions carry at most four charges (PO₄³⁻, [Fe(CN)₆]⁴⁻, P₂O₇⁴⁻): a
// larger last digit is more likely the end of a count (C₈H₁₈⁺).
constexpr int kLargestTypedCharge = 4;

// Digits right before an unmarked sign read two ways, as a count or as the
// charge. Where the charge starts among them: at the first digit after a
// lone symbol (Fe3+), at the last digit of a group of two or more (SO42-,
// Cr2O72-, O22-), which a chemist writes for an ion when superscripts are
// out of reach; at the end, none of them, after any other formula (MnO4-),
// and where the last digit cannot be a charge (C60-, C8H18+) or would leave
// a count of 0.
std::size_t ChargeDigitsStart(const SourceText& text, const FormulaShape& shape) {
  const std::size_t begin = shape.last_count_begin;
  const std::size_t end = shape.last_count_end;
  if (end - begin >= 2) {
    const int last = AsciiDigit(text[end - 1]);
    const bool leaves_count = AsciiDigit(text[begin]) != 0;
    return last >= 1 && last <= kLargestTypedCharge && leaves_count ? end - 1 : end;
  }
  return shape.lone_element_and_count ? begin : end;
}

// The note on digits before an unmarked sign: which reading was taken, and
// how to write the other one.
Note TwoReadingsNote(const SourceText& text, const FormulaShape& shape, std::size_t sign_at,
                     std::size_t charge_start) {
  const std::size_t begin = shape.last_count_begin;
  const std::size_t end = shape.last_count_end;
  const int sign_value =
      Sign(text[sign_at]) != 0 ? Sign(text[sign_at]) : SuperscriptSign(text[sign_at]);
  const std::string sign = sign_value > 0 ? "+" : "-";
  const std::string typed = text.Typed(shape.begin, sign_at + 1);
  const std::string whole = text.Typed(shape.begin, end);
  if (charge_start < end) {
    return {NoteKind::kChargeReadOther,
            {typed, text.Typed(shape.begin, charge_start), text.Typed(charge_start, end) + sign,
             whole, "1" + sign, whole + "^" + sign}};
  }
  // The other reading: the charge in the last digit, or in the only one.
  const std::size_t other = end - begin >= 2 ? end - 1 : begin;
  const std::string charge = text.Typed(other, end);
  if (charge == "0") return {NoteKind::kChargeRead, {typed, whole, "1" + sign}};
  const std::string formula = text.Typed(shape.begin, other);
  return {NoteKind::kChargeReadOther,
          {typed, whole, "1" + sign, formula, charge + sign, formula + "^" + charge + sign}};
}

// Digits right before a sign that has no mark of its own (Fe3+, SO42-,
// Fe3⁺): all or part of them may be the charge, with a note either way.
void ReadDigitsBeforeSign(const SourceText& text, std::size_t sign_at, const FormulaShape& shape,
                          ChargeReading& reading) {
  if (!shape.ends_in_ascii_count || shape.last_count_end != sign_at) return;
  const std::size_t charge_start = ChargeDigitsStart(text, shape);
  // One digit keeps the reading every student expects (Fe3+, MnO4-, NH4+): a
  // note on it would be noise. A group of two or more reads two ways.
  if (shape.last_count_end - shape.last_count_begin >= 2) {
    reading.note = TwoReadingsNote(text, shape, sign_at, charge_start);
  }
  if (charge_start < shape.last_count_end) {
    reading.charge *=
        ReadNumber(text, charge_start, AsciiDigit, NumberRole::kCharge, sign_at).value;
    reading.formula_end = charge_start;
  }
}

// C-14 is a lone symbol with a charge of 14-, which no ion carries: the
// writer most likely meant the isotope.
std::optional<Note> IsotopeNote(const SourceText& text, const FormulaShape& shape,
                                std::size_t sign_at, std::size_t after, const Integer& magnitude) {
  constexpr int kLargestAnionCharge = 4;
  if (shape.lone_element == 0 || Sign(text[sign_at]) > 0) return std::nullopt;
  if (magnitude <= kLargestAnionCharge || magnitude < shape.lone_element) return std::nullopt;
  return Note{
      NoteKind::kChargeNotIsotope,
      {text.Typed(shape.begin, after), text.Typed(shape.begin, shape.end), magnitude.str()}};
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
