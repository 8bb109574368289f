#include <gtest/gtest.h>

#include <cstddef>
#include <algorithm>
#include <string>

#include "quorvel/messages.h"

namespace {

using quorvel::messages::Format;
using quorvel::messages::kLanguages;
using quorvel::messages::kMessageCount;
using quorvel::messages::Language;
using quorvel::messages::Message;
using quorvel::messages::Pattern;

// The tables are checked for completeness while compiling; what is left is
// what a pattern says: every language names the same placeholders, and the
// Chinese table speaks Chinese where the English one speaks words.
std::string Placeholders(std::string_view pattern) {
  std::string found;
  for (std::size_t i = 0; i + 2 < pattern.size(); ++i) {
    if (pattern[i] == '{' && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      found += pattern[i + 1];
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

TEST(MessagesTest, EveryLanguageNamesTheSamePlaceholders) {
  for (std::size_t i = 0; i < kMessageCount; ++i) {
    const auto message = static_cast<Message>(i);
    const std::string english = Placeholders(Pattern(message, Language::kEnglish));
    for (const Language language : kLanguages) {
      EXPECT_FALSE(Pattern(message, language).empty()) << "message " << i;
      EXPECT_EQ(Placeholders(Pattern(message, language)), english) << "message " << i;
    }
  }
}

struct FormatCase {
  Message message;
  Language language;
  std::initializer_list<std::string_view> arguments;
  std::string expected;
};

TEST(MessagesTest, FormatFillsPlaceholdersAndLeavesOtherBraces) {
  const FormatCase cases[] = {
      {Message::kConsoleLine, Language::kChinese, {"7"}, "第 7 行"},
      {Message::kConsoleLine, Language::kEnglish, {"7"}, "line 7"},
      {Message::kConsoleLine, Language::kEnglish, {}, "line "},           // missing argument
      {Message::kConsoleLine, Language::kEnglish, {"{1}"}, "line {1}"},   // not filled twice
      {Message::kConsoleNote, Language::kChinese, {"unused"}, "说明："},  // extra argument
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.message, c.language, c.arguments), c.expected);
  }
}

}  // namespace
