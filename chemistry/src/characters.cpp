#include "characters.h"

#include <array>
#include <string_view>

namespace quorvel::chemistry::detail {

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x3000; }

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
  if (c == U'+') return 1;
  if (c == U'-' || c == U'−') return -1;
  return 0;
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

bool IsAdductDot(char32_t c) {
  return c == U'·' || c == U'.' || c == U'*' || c == U'•' || c == U'∙' || c == U'⋅';
}

namespace {

bool Matches(const SourceText& text, std::size_t i, std::u32string_view word) {
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (text[i + k] != word[k]) return false;
  }
  return true;
}

}  // namespace

std::size_t ArrowLength(const SourceText& text, std::size_t i) {
  // Longest first: "==" before "=".
  static constexpr std::array<std::u32string_view, 8> kArrows = {U"<=>", U"<->", U"==", U"->",
                                                                 U"=",   U"→",   U"⟶",  U"⇌"};
  for (const std::u32string_view arrow : kArrows) {
    if (Matches(text, i, arrow)) return arrow.size();
  }
  return 0;
}

std::size_t StateMarkLength(const SourceText& text, std::size_t i) {
  static constexpr std::array<std::u32string_view, 4> kMarks = {U"(s)", U"(l)", U"(g)", U"(aq)"};
  for (const std::u32string_view mark : kMarks) {
    if (Matches(text, i, mark)) return mark.size();
  }
  return 0;
}

}  // namespace quorvel::chemistry::detail
