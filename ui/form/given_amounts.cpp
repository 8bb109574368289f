#include "form/given_amounts.h"

#include <array>
#include <cctype>

#include "form/texts.h"
#include "quorvel/report/details.h"

namespace quorvel::form {
namespace {

// What separates one word of the box from the next: spaces (the ideographic
// one too), the sign between a formula and its amount, and the commas a
// student puts between two amounts.
constexpr std::array<std::string_view, 8> kSeparators{" ",      "\t", "\u3000", "=",
                                                      "\uFF1D", ",",  "\uFF0C", "\u3001"};

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words(1);
  while (!text.empty()) {
    bool separated = false;
    for (const std::string_view separator : kSeparators) {
      if (text.starts_with(separator)) {
        if (!words.back().empty()) words.emplace_back();
        text.remove_prefix(separator.size());
        separated = true;
        break;
      }
    }
    if (separated) continue;
    words.back().push_back(text.front());
    text.remove_prefix(1);
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

bool IsNumber(const std::string& word) {
  const auto first = static_cast<unsigned char>(word.front());
  return std::isdigit(first) || word.front() == '.' || word.front() == '-' || word.front() == '+';
}

// After a number with no unit, a word of small letters is its unit, known
// ("g", "mol") or not ("t", told as --given tells it); a formula starts with
// a capital.
bool IsUnit(const std::string& word) {
  for (const char letter : word) {
    if (letter < 'a' || letter > 'z') return false;
  }
  return true;
}

bool EndsInDigit(const std::string& word) {
  return std::isdigit(static_cast<unsigned char>(word.back())) != 0 || word.back() == '.';
}

// One SPECIES=AMOUNT as --given spells it, made of the words that belong to it.
struct Pending {
  std::string formula;
  std::string amount;  // "31.6g", "2 mol"
  bool has_unit = false;
  std::string Text() const { return formula + "=" + amount; }
};

}  // namespace

GivenAmounts ReadGivenAmounts(std::string_view text) {
  GivenAmounts read;
  std::vector<Pending> pending;
  const auto malformed = [&read](const std::string& subject) {
    read.amounts.clear();
    read.error =
        report::GivenErrorText(chemistry::GivenError::kMalformed, subject, kWindowLanguage);
    return read;
  };
  for (const std::string& word : Words(text)) {
    if (IsNumber(word)) {
      // A number belongs to the formula before it, which has none yet.
      if (pending.empty() || !pending.back().amount.empty()) return malformed(word);
      pending.back().amount = word;
      pending.back().has_unit = !EndsInDigit(word);
    } else if (IsUnit(word) && !pending.empty() && !pending.back().amount.empty() &&
               !pending.back().has_unit && EndsInDigit(pending.back().amount)) {
      pending.back().amount += " " + word;
      pending.back().has_unit = true;
    } else {
      if (!pending.empty() && pending.back().amount.empty())
        return malformed(pending.back().formula);
      pending.push_back({word, {}, false});
    }
  }
  if (!pending.empty() && pending.back().amount.empty()) return malformed(pending.back().formula);
  for (const Pending& item : pending) {
    const chemistry::GivenParse parsed = chemistry::ParseGiven(item.Text());
    if (!parsed.amount) {
      read.amounts.clear();
      read.error = report::GivenErrorText(parsed.error, item.Text(), kWindowLanguage);
      return read;
    }
    read.amounts.push_back(*parsed.amount);
  }
  return read;
}

}  // namespace quorvel::form
