#include "given_box.h"

#include <array>

namespace quorvel::web {
namespace {

constexpr std::array<std::string_view, 6> kItemSeparators = {",", ";", "\n", "，", "；", "、"};
constexpr std::array<std::string_view, 2> kColons = {":", "："};
constexpr std::string_view kSpaces = " \t\r\n";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

// The items, split at the first separator found at each place.
std::vector<std::string_view> Items(std::string_view text) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t matched = 0;
    for (const std::string_view separator : kItemSeparators) {
      if (text.substr(at, separator.size()) == separator) matched = separator.size();
    }
    if (matched == 0) {
      ++at;
      continue;
    }
    items.push_back(text.substr(start, at - start));
    at += matched;
    start = at;
  }
  items.push_back(text.substr(start));
  return items;
}

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsNumberPart(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// "KMnO4 31.6g" and "KMnO4：31.6g" as the console's "KMnO4=31.6g". Read from
// the end: the unit, then the number, which a space must part from the
// formula ("KMnO431.6g" stays unread rather than guessed at).
std::string AsConsoleGiven(std::string_view item) {
  if (item.find('=') != std::string_view::npos) return std::string(item);
  for (const std::string_view colon : kColons) {
    const std::size_t at = item.find(colon);
    if (at != std::string_view::npos)
      return std::string(item.substr(0, at)) + "=" + std::string(item.substr(at + colon.size()));
  }
  std::size_t end = item.size();
  while (end > 0 && IsLetter(item[end - 1])) --end;
  while (end > 0 && IsSpace(item[end - 1])) --end;
  std::size_t start = end;
  while (start > 0 && IsNumberPart(item[start - 1])) --start;
  if (start == end) return std::string(item);
  if (start > 0 && (item[start - 1] == '-' || item[start - 1] == '+')) --start;
  if (start == 0 || !IsSpace(item[start - 1])) return std::string(item);
  return std::string(item.substr(0, start)) + "=" + std::string(item.substr(start));
}

}  // namespace

GivenBox ReadGivenBox(std::string_view text) {
  GivenBox box;
  for (const std::string_view raw : Items(text)) {
    const std::string_view item = Trim(raw);
    if (item.empty()) continue;
    const chemistry::GivenParse parse = chemistry::ParseGiven(AsConsoleGiven(item));
    if (!parse.amount) {
      box.amounts.clear();
      box.error = parse.error;
      box.error_subject = std::string(item);
      return box;
    }
    box.amounts.push_back(*parse.amount);
  }
  return box;
}

}  // namespace quorvel::web
