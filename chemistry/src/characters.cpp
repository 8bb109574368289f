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

std::size_t ArrowLength(const SourceText& text, std::size_t i) {
  // Longest first: "-->" before "->", "==" and "=>" before "=".
  static constexpr std::array<std::u32string_view, 14> kArrows = {
      U"<=>", U"<->", U"-->", U"==", U"=>", U"->", U"=", U"→", U"⟶", U"⇌", U"↔", U"⇄", U"⟷", U"⇋"};
  for (const std::u32string_view arrow : kArrows) {
    if (Matches(text, i, arrow)) return arrow.size();
  }
  return 0;
}

std::size_t StateMarkLength(const SourceText& text, std::size_t i) {
  static constexpr std::array<std::u32string_view, 8> kMarks = {U"(s)",  U"(l)",   U"(g)", U"(aq)",
                                                                U"(cr)", U"(sol)", U"↑",   U"↓"};
  for (const std::u32string_view mark : kMarks) {
    if (Matches(text, i, mark)) return mark.size();
  }
  return 0;
}

}  // namespace quorvel::chemistry::detail
