#pragma once

// How a language's table is written: a list of (message, pattern) pairs in
// any order, checked while compiling that every message is there once.

#include <array>
#include <cstddef>
#include <string_view>

#include "quorvel/messages.h"

namespace quorvel::messages::detail {

struct Entry {
  Message message;
  std::string_view pattern;
};

using Table = std::array<std::string_view, kMessageCount>;

template <std::size_t N>
consteval Table MakeTable(const Entry (&entries)[N]) {
  Table table{};
  std::array<bool, kMessageCount> seen{};
  for (const Entry& entry : entries) {
    const auto index = static_cast<std::size_t>(entry.message);
    if (index >= kMessageCount) throw "not a message";
    if (seen[index]) throw "a message is in the table twice";
    if (entry.pattern.empty()) throw "a message has an empty pattern";
    seen[index] = true;
    table[index] = entry.pattern;
  }
  for (const bool found : seen) {
    if (!found) throw "a message is missing from the table";
  }
  return table;
}

// One per language, each in its own file under locale/.
extern const Table kEnglish;
extern const Table kChinese;

}  // namespace quorvel::messages::detail
