// The formula a slip most likely meant (co2, CaCo3, H20), kept only where it balances.

#include "likely_formula.h"

#include <cctype>
#include <vector>

#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::chemistry::detail {
namespace {

// Guesses cost a reading and a balancing each: a line with more is left as
// typed rather than slowed down.
constexpr std::size_t kMaxGuesses = 40;

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigitChar(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsSymbol(std::string_view s) { return AtomicNumber(s) != 0; }

std::string Capitalized(std::string_view letters) {
  std::string symbol(letters);
  for (char& c : symbol) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  symbol[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(symbol[0])));
  return symbol;
}

// Every way to read a run of letters, whatever their case, as element
// symbols: "co" is CO or Co, "nacl" NaCl.
void Segmentations(std::string_view letters, std::string prefix, std::vector<std::string>& out) {
  if (letters.empty()) {
    out.push_back(std::move(prefix));
    return;
  }
  for (std::size_t length = 1; length <= 2 && length <= letters.size(); ++length) {
    const std::string symbol = Capitalized(letters.substr(0, length));
    if (IsSymbol(symbol)) Segmentations(letters.substr(length), prefix + symbol, out);
  }
}

// Whether a formula's letters may read another way: a symbol that names no
// element as typed (co, Nacl), or two letters that are a symbol and also two
// (Co is C and O). Most formulas have none, and cost no respelling.
bool MayReadOtherwise(std::string_view formula) {
  for (std::size_t i = 0; i < formula.size(); ++i) {
    if (!IsLetter(formula[i])) continue;
    if (!std::isupper(static_cast<unsigned char>(formula[i]))) return true;
    std::size_t end = i + 1;
    while (end < formula.size() && std::islower(static_cast<unsigned char>(formula[end]))) ++end;
    const std::string_view symbol = formula.substr(i, end - i);
    if (!IsSymbol(symbol)) return true;
    if (symbol.size() == 2 && IsSymbol(symbol.substr(0, 1)) &&
        IsSymbol(Capitalized(symbol.substr(1)))) {
      return true;
    }
    i = end - 1;
  }
  return false;
}

// The runs of letters in a formula, read every way; the digits and brackets
// between them stay.
std::vector<std::string> Respelled(std::string_view formula) {
  std::vector<std::string> words{""};
  std::size_t i = 0;
  while (i < formula.size()) {
    std::size_t j = i;
    while (j < formula.size() && IsLetter(formula[j]) == IsLetter(formula[i])) ++j;
    std::vector<std::string> parts;
    if (IsLetter(formula[i])) {
      Segmentations(formula.substr(i, j - i), "", parts);
    } else {
      parts.emplace_back(formula.substr(i, j - i));
    }
    std::vector<std::string> longer;
    for (const std::string& word : words) {
      for (const std::string& part : parts) {
        if (longer.size() < kMaxGuesses) longer.push_back(word + part);
      }
    }
    words = std::move(longer);
    i = j;
  }
  return words;
}

// A 0 where the letter O belongs: right after a symbol (C02, a count cannot
// start with 0) or after one digit of 2 to 9 (H20, Fe203). Carbon is left
// alone there: C60 and C20H42 are real.
std::string ZeroAsLetter(std::string_view formula) {
  std::string meant(formula);
  for (std::size_t i = 1; i < meant.size(); ++i) {
    if (meant[i] != '0') continue;
    const bool after_symbol = IsLetter(meant[i - 1]);
    const bool after_one_digit = i >= 2 && meant[i - 1] >= '2' && meant[i - 1] <= '9' &&
                                 IsLetter(meant[i - 2]) && meant[i - 2] != 'C';
    if (after_symbol || after_one_digit) meant[i] = 'O';
  }
  return meant;
}

// The formulas of an equation: runs of ASCII letters, digits and
// parentheses, less the coefficient before them. A slip stands in one.
struct Word {
  std::size_t begin;
  std::size_t end;
};
std::vector<Word> Words(std::string_view equation) {
  auto in_word = [&](std::size_t i) {
    const char c = equation[i];
    return IsLetter(c) || IsDigitChar(c) || c == '(' || c == ')';
  };
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < equation.size()) {
    std::size_t j = i;
    while (j < equation.size() && in_word(j)) ++j;
    std::size_t begin = i;
    while (begin < j && IsDigitChar(equation[begin])) ++begin;
    if (begin < j && IsLetter(equation[begin])) words.push_back({begin, j});
    i = j == i ? i + 1 : j;
  }
  return words;
}

// Whether every symbol of `meant` stands elsewhere in the equation: a guess
// brings in no element the rest never names (H2SO4 is no HsO4), which also
// spares the balancing of most guesses.
bool SymbolsStandElsewhere(std::string_view meant, std::string_view rest) {
  for (std::size_t i = 0; i < meant.size(); ++i) {
    if (!std::isupper(static_cast<unsigned char>(meant[i]))) continue;
    std::size_t end = i + 1;
    while (end < meant.size() && std::islower(static_cast<unsigned char>(meant[end]))) ++end;
    const std::string_view symbol = meant.substr(i, end - i);
    bool found = false;
    for (std::size_t at = rest.find(symbol); at != std::string_view::npos && !found;
         at = rest.find(symbol, at + 1)) {
      const std::size_t after = at + symbol.size();
      found = after == rest.size() || !std::islower(static_cast<unsigned char>(rest[after]));
    }
    if (!found) return false;
  }
  return true;
}

}  // namespace

std::optional<LikelyFormula> FindLikelyFormula(std::string_view equation, TypedOutcome outcome,
                                               bool (*balances)(std::string_view)) {
  // A balanced equation is looked at only for a 0 in place of O.
  if (outcome == TypedOutcome::kBalanced && equation.find('0') == std::string_view::npos) {
    return std::nullopt;
  }
  std::size_t tried = 0;
  for (const Word& word : Words(equation)) {
    const std::string_view typed = equation.substr(word.begin, word.end - word.begin);
    std::vector<std::string> guesses{ZeroAsLetter(typed)};
    if (outcome == TypedOutcome::kFailed && MayReadOtherwise(guesses.front())) {
      for (std::string& guess : Respelled(guesses.front())) guesses.push_back(std::move(guess));
    }
    for (const std::string& meant : guesses) {
      if (meant == typed) continue;
      std::string rest(equation.substr(0, word.begin));
      rest += equation.substr(word.end);
      if (!SymbolsStandElsewhere(meant, rest)) continue;
      if (++tried > kMaxGuesses) return std::nullopt;
      std::string candidate(equation.substr(0, word.begin));
      candidate += meant;
      candidate += equation.substr(word.end);
      if (balances(candidate)) return LikelyFormula{std::string(typed), meant, candidate};
    }
  }
  return std::nullopt;
}

}  // namespace quorvel::chemistry::detail
