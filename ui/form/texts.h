#pragma once

// The window speaks Simplified Chinese in both modes; its texts are in the
// messages' tables, and both front ends and their tests take them from here.
#include <initializer_list>
#include <string>
#include <string_view>

#include "quorvel/messages.h"

namespace quorvel::form {

using messages::Message;

inline constexpr messages::Language kWindowLanguage = messages::Language::kChinese;

// A window text in UTF-8, its {N} filled with the arguments.
inline std::string WindowText(Message message,
                              std::initializer_list<std::string_view> arguments = {}) {
  return messages::Format(message, kWindowLanguage, arguments);
}

}  // namespace quorvel::form
