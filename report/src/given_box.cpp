#include "quorvel/report/given_box.h"

#include <array>
#include <cctype>

namespace quorvel::report {
namespace {

// What parts one word of the box from the next: spaces, the sign or colon
// between a formula and its amount, and what students put between amounts.
constexpr std::array<std::string_view, 16> kSeparators{
    " ",      "\t", "\r",     "\n",     "\u3000", "=",      "\uFF1D", ":",
    "\uFF1A", ",",  "\uFF0C", "\u3001", ";",      "\uFF1B", "\u00A0", "\u2009"};

struct Word {
  std::string_view text;
  std::size_t at;  // where it starts in the box
};

std::vector<Word> Words(std::string_view text) {
  std::vector<Word> words;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t matched = 0;
    for (const std::string_view separator : kSeparators) {
      if (text.substr(at, separator.size()) == separator) matched = separator.size();
    }
    if (matched == 0) {
      ++at;
      continue;
    }
    if (at > start) words.push_back({text.substr(start, at - start), start});
    at += matched;
    start = at;
  }
  if (text.size() > start) words.push_back({text.substr(start), start});
  return words;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool IsNumber(std::string_view word) {
  return IsDigit(word.front()) || word.front() == '.' || word.front() == '-' || word.front() == '+';
}

// After a number with no unit, a word of small letters is its unit, known
// ("g", "mol") or not ("t", refused as --given refuses it); a formula starts
// with a capital.
bool IsUnit(std::string_view word) {
  for (const char letter : word) {
    if (letter < 'a' || letter > 'z') return false;
  }
  return true;
}

bool EndsInDigit(std::string_view word) { return IsDigit(word.back()) || word.back() == '.'; }

// One amount as --given spells it, SPECIES=AMOUNT, from the words that make it.
struct Item {
  std::string formula;
  std::string amount;  // "31.6g", "2 mol"
  bool has_unit = false;
  std::size_t from = 0;  // the words' span in the box
  std::size_t to = 0;
};

GivenBox Refused(chemistry::GivenError error, std::string_view subject) {
  GivenBox box;
  box.error = error;
  box.error_subject = std::string(subject);
  return box;
}

}  // namespace

GivenBox ReadGivenBox(std::string_view text) {
  std::vector<Item> items;
  const auto unfinished = [&items] { return !items.empty() && items.back().amount.empty(); };
  const auto malformed = [](std::string_view subject) {
    return Refused(chemistry::GivenError::kMalformed, subject);
  };
  for (const Word& word : Words(text)) {
    const std::size_t end = word.at + word.text.size();
    if (IsNumber(word.text)) {
      // A number belongs to the formula before it, which has none yet.
      if (!unfinished()) return malformed(word.text);
      items.back().amount = std::string(word.text);
      items.back().has_unit = !EndsInDigit(word.text);
      items.back().to = end;
    } else if (IsUnit(word.text) && !items.empty() && !unfinished() && !items.back().has_unit) {
      items.back().amount.append(" ").append(word.text);
      items.back().has_unit = true;
      items.back().to = end;
    } else {
      if (unfinished()) return malformed(items.back().formula);
      items.push_back({std::string(word.text), {}, false, word.at, end});
    }
  }
  if (unfinished()) return malformed(items.back().formula);

  GivenBox box;
  for (const Item& item : items) {
    std::string given = item.formula;
    given.append("=").append(item.amount);
    const chemistry::GivenParse parsed = chemistry::ParseGiven(given);
    if (!parsed.amount) return Refused(parsed.error, text.substr(item.from, item.to - item.from));
    box.amounts.push_back(*parsed.amount);
  }
  return box;
}

}  // namespace quorvel::report
