// Chinese number words, 一 to 九十九, both ways.

#include "number_words.h"

#include <array>

namespace quorvel::chemistry::names {
namespace {

constexpr std::array<std::string_view, 10> kDigits = {"",   "一", "二", "三", "四",
                                                      "五", "六", "七", "八", "九"};
constexpr std::string_view kTen = "十";

// The digit 1 to 9 that starts text, 0 when none.
int DigitAt(std::string_view text) {
  for (int d = 1; d <= 9; ++d) {
    if (text.starts_with(kDigits[static_cast<std::size_t>(d)])) return d;
  }
  return 0;
}

}  // namespace

std::string NumberWord(int n) {
  if (n < 1 || n > 99) return "";
  const auto tens = static_cast<std::size_t>(n / 10);
  const auto ones = static_cast<std::size_t>(n % 10);
  if (tens == 0) return std::string(kDigits[ones]);
  return std::string(tens > 1 ? kDigits[tens] : "") + std::string(kTen) +
         std::string(kDigits[ones]);
}

NumberAt ReadNumberWord(std::string_view text) {
  // Every digit word and 十 are three bytes in UTF-8.
  constexpr std::size_t kWord = 3;
  NumberAt at;
  int tens = DigitAt(text);
  std::size_t i = tens > 0 ? kWord : 0;
  if (text.substr(i).starts_with(kTen)) {
    if (tens == 1) return {1, kWord};  // 一十 is not written: the 一 stands alone
    at.value = (tens == 0 ? 1 : tens) * 10;
    i += kWord;
    const int ones = DigitAt(text.substr(i));
    if (ones > 0) {
      at.value += ones;
      i += kWord;
    }
    at.length = i;
    return at;
  }
  if (tens == 0) return at;
  return {tens, kWord};
}

}  // namespace quorvel::chemistry::names
