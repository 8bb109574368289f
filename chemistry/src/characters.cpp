// Which characters the notation gives a meaning to: digits, signs, brackets, arrows, marks.

#include "characters.h"

#include <array>
#include <string_view>

namespace quorvel::chemistry::detail {
namespace {

bool Matches(const SourceText& text, std::size_t i, std::u32string_view word) {
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (text[i + k] != word[k]) return false;
  }
  return true;
}

}  // namespace

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x3000; }

bool IsPrintable(char32_t c) {
  return c >= 0x20 && !(c >= 0x7F && c < 0xA0) && c != kEndOfText;
}

int SubscriptDigit(char32_t c) { return c >= U'₀' && c <= U'₉' ? static_cast<int>(c - U'₀') : -1; }

int SuperscriptDigit(char32_t c) {
  switch (c) {
    case U'⁰':
      return 0;
    case U'¹':
      return 1;
    case U'²':
      return 2;
    case U'³':
      return 3;
    default:
      return c >= U'⁴' && c <= U'⁹' ? static_cast<int>(c - U'⁴') + 4 : -1;
  }
}

int Sign(char32_t c) {
  switch (c) {
    case U'+':
      return 1;
    // Keyboards, word processors and input methods each give their own minus.
    case U'-':
    case U'\u2212':  // minus sign
    case U'\u2010':  // hyphen
    case U'\u2012':  // figure dash
    case U'\u2013':  // en dash
    case U'\uFE63':  // small hyphen-minus
    case U'\uFF0D':  // full-width hyphen-minus
      return -1;
    default:
      return 0;
  }
}

int SuperscriptSign(char32_t c) {
  if (c == U'⁺') return 1;
  if (c == U'⁻') return -1;
  return 0;
}

char32_t ClosingBracket(char32_t c) {
  switch (c) {
    case U'(':
      return U')';
    case U'[':
      return U']';
    case U'{':
      return U'}';
    default:
      return 0;
  }
}

bool IsClosingBracket(char32_t c) { return c == U')' || c == U']' || c == U'}'; }

SmallFraction VulgarFraction(char32_t c) {
  switch (c) {
    case U'½':
      return {1, 2};
    case U'¼':
      return {1, 4};
    case U'¾':
      return {3, 4};
    case U'⅓':
      return {1, 3};
    case U'⅔':
      return {2, 3};
    case U'⅕':
      return {1, 5};
    case U'⅖':
      return {2, 5};
    case U'⅗':
      return {3, 5};
    case U'⅘':
      return {4, 5};
    case U'⅙':
      return {1, 6};
    case U'⅚':
      return {5, 6};
    case U'⅛':
      return {1, 8};
    case U'⅜':
      return {3, 8};
    case U'⅝':
      return {5, 8};
    case U'⅞':
      return {7, 8};
    case U'⅐':
      return {1, 7};
    case U'⅑':
      return {1, 9};
    case U'⅒':
      return {1, 10};
    default:
      return {0, 0};
  }
}

OxidationState OxidationStateAt(const SourceText& text, std::size_t i) {
  static constexpr std::array<std::u32string_view, 9> kNumerals = {
      U"(0)", U"(I)", U"(II)", U"(III)", U"(IV)", U"(V)", U"(VI)", U"(VII)", U"(VIII)"};
  for (std::size_t value = 0; value < kNumerals.size(); ++value) {
    if (Matches(text, i, kNumerals[value])) {
      return {static_cast<int>(value), kNumerals[value].size()};
    }
  }
  return {0, 0};
}

bool IsAdductDot(char32_t c) {
  return c == U'·' || c == U'.' || c == U'*' || c == U'•' || c == U'∙' || c == U'⋅';
}

namespace {

// A dash of an arrow drawn with dashes: the hyphen-minus (full-width too) and
// the em dash of a word processor. "—点燃→" and "-△->" draw one.
bool IsArrowDash(char32_t c) { return c == U'-' || c == U'\u2014'; }

// The dashes and head of a dashed arrow at i ("->", "--->", "—→"), 0 when
// none is there.
std::size_t DashedHeadLength(const SourceText& text, std::size_t i) {
  std::size_t j = i;
  while (IsArrowDash(text[j])) ++j;
  if (j == i || (text[j] != U'>' && text[j] != U'→')) return 0;
  return j + 1 - i;
}

// A condition written inside a dashed arrow (-MnO2,△->): what may stand
// there holds no space, sign or dash.
bool InsideCondition(char32_t c) {
  return IsPrintable(c) && !IsSpace(c) && c != U'+' && c != U'=' && !IsArrowDash(c) && c != U'>' &&
         c != U'→';
}

// "-△->", "—点燃→", " -MnO2->": a dash, a condition, a dashed head. The
// condition holds a character a formula never does, or the arrow stands
// apart from the formula before it: Cl-Cl-> is no arrow.
std::size_t ConditionArrowLength(const SourceText& text, std::size_t i) {
  if (!IsArrowDash(text[i])) return 0;
  std::size_t j = i + 1;
  bool unlike_formula = i > 0 && IsSpace(text[i - 1]);
  while (InsideCondition(text[j])) {
    unlike_formula = unlike_formula || text[j] >= 0x80 || text[j] == U',';
    ++j;
  }
  // The head may follow the condition at once: —点燃→.
  const std::size_t head = text[j] == U'→' ? 1 : DashedHeadLength(text, j);
  if (j == i + 1 || head == 0 || !unlike_formula) return 0;
  return j + head - i;
}

// A run of one sign: "===" and "═══" (U+2550, the long double line of
// typeset books) join the sides as "=" does.
std::size_t RunLength(const SourceText& text, std::size_t i) {
  std::size_t j = i;
  while (text[j] == text[i]) ++j;
  return j - i;
}

}  // namespace

std::size_t ArrowLength(const SourceText& text, std::size_t i) {
  // "=>" before the run of "=", "<->" before the dashes.
  static constexpr std::array<std::u32string_view, 10> kArrows = {
      U"<=>", U"<->", U"=>", U"→", U"⟶", U"⇌", U"↔", U"⇄", U"⟷", U"⇋"};
  for (const std::u32string_view arrow : kArrows) {
    if (Matches(text, i, arrow)) return arrow.size();
  }
  if (text[i] == U'=' || text[i] == U'\u2550') return RunLength(text, i);
  if (const std::size_t dashed = DashedHeadLength(text, i); dashed > 0) return dashed;
  return ConditionArrowLength(text, i);
}

std::size_t StateMarkLength(const SourceText& text, std::size_t i) {
  static constexpr std::array<std::u32string_view, 8> kMarks = {U"(s)",  U"(l)",   U"(g)", U"(aq)",
                                                                U"(cr)", U"(sol)", U"↑",   U"↓"};
  for (const std::u32string_view mark : kMarks) {
    if (Matches(text, i, mark)) return mark.size();
  }
  return NoteLength(text, i);
}

std::size_t NoteLength(const SourceText& text, std::size_t i) {
  if (text[i] != U'(') return 0;
  std::size_t j = i + 1;
  while (text[j] >= 0x80 && IsPrintable(text[j]) && !IsSpace(text[j])) ++j;
  return j > i + 1 && text[j] == U')' ? j + 1 - i : 0;
}

bool IsCondition(char32_t c) { return c == U'△' || (c >= 0x4E00 && c <= 0x9FFF); }

}  // namespace quorvel::chemistry::detail
