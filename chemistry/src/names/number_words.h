// Chinese number words, 一 to 九十九, both ways.

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::chemistry::names {

// 一 to 九十九 as Chinese writes counts: 五, 十, 十二, 二十.
std::string NumberWord(int n);

// The number word that starts `text`, longest first: its value and length in
// bytes; {0, 0} when none starts it.
struct NumberAt {
  int value = 0;
  std::size_t length = 0;
};
NumberAt ReadNumberWord(std::string_view text);

}  // namespace quorvel::chemistry::names
