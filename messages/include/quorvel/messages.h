#pragma once

// Every text a user sees, by id, in each language the program speaks. Each
// language keeps all its texts in one table (messages/locale/<language>.cpp),
// so a new language is one more table and one more Language; a table that
// lacks a message, or has one twice, does not compile.
//
//   #include "quorvel/messages.h"
//   using quorvel::messages::Format;
//   using quorvel::messages::Language;
//   using quorvel::messages::Message;
//
//   Format(Message::kConsoleLine, Language::kChinese, {"7"});   // "第 7 行"
//   Format(Message::kConsoleLine, Language::kEnglish, {"7"});   // "line 7"
//
// Patterns are UTF-8 and name their arguments {1} to {9}, so that a language
// can put them in its own order.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel::messages {

enum class Language { kEnglish, kChinese };
inline constexpr std::array kLanguages{Language::kEnglish, Language::kChinese};

// Grouped by who shows them; a group grows at its own end.
enum class Message {
  // The console's own words around the chemistry library's lines.
  kConsoleLine,      // which input line a message is about: {1} the line number
  kConsoleArgument,  // which equation argument: {1} its number
  kConsoleReaction,  // before one of several independent reactions: {1} its number
  kConsoleNote,      // before a note

  // The window's texts (both toolkits), the CPU line, the second-instance box.

  // Why an equation cannot be read or balanced (the chemistry library's reasons).

  // Reasons for textbook notation.

  // The details of an answer: masses, oxidation states, bridges, type, amounts.

  // Names of substances.

  kCount  // not a message: one past the last, so that loops reach every message
};

inline constexpr std::size_t kMessageCount = static_cast<std::size_t>(Message::kCount);

// The message's pattern in the language, with its {N} placeholders.
std::string_view Pattern(Message message, Language language);

// The pattern with {1} to {9} replaced by the arguments; a placeholder with no
// argument becomes empty, and a brace that starts no placeholder stays.
std::string Format(Message message, Language language,
                   std::initializer_list<std::string_view> arguments = {});

}  // namespace quorvel::messages
