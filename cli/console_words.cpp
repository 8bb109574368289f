#include "console_words.h"

using quorvel::messages::Format;
using quorvel::messages::Message;

std::string ConsoleWords::Line(long long number) const {
  return Format(Message::kConsoleLine, language_, {std::to_string(number)});
}

std::string ConsoleWords::Argument(std::size_t number) const {
  return Format(Message::kConsoleArgument, language_, {std::to_string(number)});
}

std::string ConsoleWords::Reaction(std::size_t number) const {
  return Format(Message::kConsoleReaction, language_, {std::to_string(number)});
}

std::string ConsoleWords::Note() const { return Format(Message::kConsoleNote, language_); }

std::string ConsoleWords::Where(const std::string& where) const {
  return Format(Message::kConsoleWhere, language_, {where});
}
