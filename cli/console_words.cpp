#include "console_words.h"

using quorvel::chemistry::Language;

std::string ConsoleWords::Line(long long number) const {
  const std::string n = std::to_string(number);
  return language_ == Language::kChinese ? "第 " + n + " 行" : "line " + n;
}

std::string ConsoleWords::Argument(std::size_t number) const {
  const std::string n = std::to_string(number);
  return language_ == Language::kChinese ? "第 " + n + " 个方程式参数" : "equation argument " + n;
}

std::string ConsoleWords::Reaction(std::size_t number) const {
  const std::string n = std::to_string(number);
  return language_ == Language::kChinese ? "反应 " + n + "：" : "reaction " + n + ": ";
}

std::string ConsoleWords::Note() const {
  return language_ == Language::kChinese ? "说明：" : "note: ";
}
