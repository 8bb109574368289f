// Looks a message up in its language's table and fills in its arguments.

#include "quorvel/messages.h"

#include "table.h"

namespace quorvel::messages {

std::string_view Pattern(Message message, Language language) {
  const detail::Table& table = language == Language::kChinese ? detail::kChinese : detail::kEnglish;
  const auto index = static_cast<std::size_t>(message);
  return index < kMessageCount ? table[index] : std::string_view();
}

std::string Format(Message message, Language language,
                   std::initializer_list<std::string_view> arguments) {
  const std::string_view pattern = Pattern(message, language);
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == '{' && i + 2 < pattern.size() &&
                             pattern[i + 1] >= '1' && pattern[i + 1] <= '9' && pattern[i + 2] == '}';
    if (!placeholder) {
      text += pattern[i];
      continue;
    }
    const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
    if (n < arguments.size()) text += *(arguments.begin() + n);
    i += 2;
  }
  return text;
}

}  // namespace quorvel::messages
