// Which characters the notation gives a meaning to: digits, signs, brackets, arrows, marks.

#pragma once

#include <cstddef>

#include "source_text.h"

// The classes of characters the notation gives a meaning to.
namespace quorvel::chemistry::detail {

bool IsSpace(char32_t c);
// Not a control character, and not past the end of the text.
bool IsPrintable(char32_t c);
inline bool IsCapital(char32_t c) { return c >= U'A' && c <= U'Z'; }
inline bool IsSmall(char32_t c) { return c >= U'a' && c <= U'z'; }
inline bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The value of a digit written as a subscript (₀ to ₉) or superscript
// (⁰ to ⁹); -1 for any other character.
int SubscriptDigit(char32_t c);
int SuperscriptDigit(char32_t c);

// +1 or -1 for a plus or minus sign (the hyphen, U+2212 and the dashes
// typed for it are all minus);
// 0 for any other character. The superscript signs ⁺ and ⁻ likewise.
int Sign(char32_t c);
int SuperscriptSign(char32_t c);

// The bracket that closes an opening one; 0 when `c` opens nothing.
char32_t ClosingBracket(char32_t c);
bool IsClosingBracket(char32_t c);

// The value of a vulgar fraction character (½, ¼, ⅔ ...) as numerator and
// denominator; {0, 0} for any other character.
struct SmallFraction {
  int numerator;
  int denominator;
};
SmallFraction VulgarFraction(char32_t c);

// An oxidation state in Roman numerals, (I) to (VIII), or (0), at i: its
// value, and the length with both parentheses; length 0 when none is there.
struct OxidationState {
  int value;
  std::size_t length;
};
OxidationState OxidationStateAt(const SourceText& text, std::size_t i);

// The dots that join the parts of a hydrate or adduct: CuSO4·5H2O.
bool IsAdductDot(char32_t c);

// The length in characters of the sign between the sides that starts at i,
// 0 when none does: "=" and "═" in runs of any length, "->" and dashed arrows
// of any length, a dashed arrow around its condition (-△->, —点燃→), and
// the arrows of Unicode.
std::size_t ArrowLength(const SourceText& text, std::size_t i);

// The length of a state mark that starts at i, 0 when none does: (s), (l),
// (g), (aq), (cr), (sol), the gas and precipitate arrows ↑ and ↓, and a note.
std::size_t StateMarkLength(const SourceText& text, std::size_t i);

// A note in parentheses after a formula, such as a textbook prints: (浓),
// (过量), (熔融), or a name, C12H22O11(蔗糖). It holds no ASCII character,
// so no formula reads as one. Its length; 0 when none starts at i.
std::size_t NoteLength(const SourceText& text, std::size_t i);

// A character that only a reaction's condition holds: heat (△) or a Chinese
// word (点燃, 高温).
bool IsCondition(char32_t c);

}  // namespace quorvel::chemistry::detail
