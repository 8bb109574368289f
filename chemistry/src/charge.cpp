#include "charge.h"

#include "characters.h"
#include "number.h"
#include "parse_failure.h"

namespace quorvel::chemistry::detail {
namespace {

// Digits and a sign in either order ("3+", "+3", "+"), as after "^" or
// inside braces. Returns 0 when no sign is there.
Integer ReadSignedMagnitude(const SourceText& text, std::size_t& i) {
  Integer magnitude = 1;
  if (IsDigit(text[i])) {
    Number number = ReadNumber(text, i, AsciiDigit, "charge");
    if (Sign(text[number.end]) == 0) return 0;
    magnitude = std::move(number.value);
    i = number.end;
    return Sign(text[i++]) * magnitude;
  }
  const int sign = Sign(text[i]);
  if (sign == 0) return 0;
  ++i;
  if (IsDigit(text[i])) {
    Number number = ReadNumber(text, i, AsciiDigit, "charge");
    magnitude = std::move(number.value);
    i = number.end;
  }
  return sign * magnitude;
}

// ^3+, ^+3, ^-, ^{3+} and {3+}.
Integer ReadMarkedCharge(const SourceText& text, std::size_t& i) {
  const std::size_t mark = i;
  if (text[i] == U'^') ++i;
  const std::size_t brace = text[i] == U'{' ? i++ : kNoPosition;
  const Integer charge = ReadSignedMagnitude(text, i);
  if (charge == 0) {
    Fail(text.Show(mark) + " " + At(mark) + " starts no charge: write it like ^2+, ^- or {3+}");
  }
  if (brace != kNoPosition) {
    if (text[i] != U'}') Fail(text.Show(brace) + " " + At(brace) + " is never closed");
    ++i;
  }
  return charge;
}

// ³⁺, ²⁻, ⁻ and ⁺³.
Integer ReadSuperscriptCharge(const SourceText& text, std::size_t& i) {
  const std::size_t start = i;
  Integer magnitude = 1;
  int sign = SuperscriptSign(text[i]);
  if (sign == 0) {
    Number number = ReadNumber(text, i, SuperscriptDigit, "charge");
    magnitude = std::move(number.value);
    i = number.end;
    sign = SuperscriptSign(text[i]);
    if (sign == 0) Fail("the superscript charge " + At(start) + " has no sign");
    ++i;
  } else if (SuperscriptDigit(text[++i]) >= 0) {
    Number number = ReadNumber(text, i, SuperscriptDigit, "charge");
    magnitude = std::move(number.value);
    i = number.end;
  }
  return sign * magnitude;
}

// A sign with nothing to mark it (OH-, Fe3+, Fe+3): a charge only where it
// ends the species.
ChargeReading ReadUnmarkedCharge(const SourceText& text, std::size_t& i,
                                 const FormulaShape& shape) {
  ChargeReading reading;
  reading.formula_end = shape.end;
  const int sign = Sign(text[i]);
  std::size_t after = i + 1;
  while (IsDigit(text[after])) ++after;
  if (!EndsSpecies(text, after)) return reading;
  if (sign > 0) reading.unmarked_plus = i;

  Integer magnitude = 1;
  if (after > i + 1) {
    magnitude = ReadNumber(text, i + 1, AsciiDigit, "charge").value;
  } else if (shape.ends_in_ascii_count && shape.last_count_end == i) {
    const std::string before = text.Typed(shape.begin, shape.last_count_begin);
    const std::string digits = text.Typed(shape.last_count_begin, shape.last_count_end);
    const std::string sign_text = sign > 0 ? "+" : "-";
    const std::string typed = before + digits + text.Typed(i, i + 1);
    if (shape.lone_element_and_count) {
      reading.note = typed + " is read as " + before + " with charge " + digits + sign_text +
                     "; for " + before + digits + " with charge 1" + sign_text + ", write " +
                     before + digits + "^" + sign_text;
      magnitude = ReadNumber(text, shape.last_count_begin, AsciiDigit, "charge").value;
      reading.formula_end = shape.last_count_begin;
    } else {
      reading.note = typed + " is read as " + before + digits + " with charge 1" + sign_text +
                     "; for " + before + " with charge " + digits + sign_text + ", write " +
                     before + "^" + digits + sign_text;
    }
  }
  reading.charge = sign * magnitude;
  i = after;
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
    reading.charge = ReadSuperscriptCharge(text, i);
  } else if (Sign(c) != 0) {
    reading = ReadUnmarkedCharge(text, i, shape);
  }
  return reading;
}

}  // namespace quorvel::chemistry::detail
