// Names where formulas stand: turned into formulas before the usual reading.

#include "name_reading.h"

#include <algorithm>
#include <set>

#include "../characters.h"
#include "../source_text.h"
#include "quorvel/chemistry/names.h"

namespace quorvel::chemistry::detail {
namespace {

// The reading takes notes in brackets after a formula, so a concentration
// word stays with its substance: 稀硫酸 is H2SO4(稀). Off, the formula would
// stand bare and the word go into the notes.
constexpr bool kReadingTakesConcentration = true;

bool IsHan(char32_t c) {
  return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x323AF);
}

std::size_t CodePoints(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// What may stand between a sign and a species: spaces and a coefficient.
bool LeadsSpecies(char32_t c) {
  return IsSpace(c) || IsDigit(c) || c == U'.' || VulgarFraction(c).denominator != 0;
}

class NameReader {
 public:
  explicit NameReader(const SourceText& text) : text_(text) {}

  NamedEquation Read() {
    bool species_may_start = true;
    for (std::size_t i = PastLabel(); i < text_.size() && !out_.failure;) {
      if (const std::size_t arrow = ArrowLength(text_, i); arrow > 0) {
        i = PastCondition(i + arrow);
        species_may_start = true;
      } else if (text_[i] == U'+') {
        ++i;
        species_may_start = true;
      } else if (IsHan(text_[i]) && species_may_start) {
        i = ReadName(i);
        species_may_start = false;
      } else {
        species_may_start = species_may_start && LeadsSpecies(text_[i]);
        ++i;
      }
    }
    if (out_.failure || names_.empty()) {
      NamedEquation unchanged;
      unchanged.failure = std::move(out_.failure);
      return unchanged;
    }
    out_.text = rewritten_ + text_.Typed(copied_, text_.size());
    out_.notes.insert(out_.notes.begin(), Note{NoteKind::kNamesRead, {names_}});
    return std::move(out_);
  }

 private:
  // The reading's own rule: 负极：, 总反应: before the equation is its
  // label, no name.
  std::size_t PastLabel() const {
    std::size_t i = 0;
    while (IsSpace(text_[i])) ++i;
    std::size_t j = i;
    while (IsHan(text_[j])) ++j;
    return j > i && text_[j] == U':' ? j + 1 : 0;
  }

  // The reading's own rule: a condition stands between two signs, touching
  // them (=点燃=) or with spaces around it (= 点燃 =).
  std::size_t PastCondition(std::size_t i) const {
    std::size_t j = i;
    while (IsSpace(text_[j])) ++j;
    const std::size_t begin = j;
    while (IsPrintable(text_[j]) && !IsSpace(text_[j]) && ArrowLength(text_, j) == 0) ++j;
    const std::size_t end = j;
    if (end > begin && begin > i) {
      while (IsSpace(text_[j])) ++j;
    }
    const std::size_t arrow = ArrowLength(text_, j);
    return end > begin && arrow > 0 ? j + arrow : i;
  }

  std::size_t ReadName(std::size_t start) {
    std::size_t end = start;
    while (IsHan(text_[end])) ++end;
    const std::string name = text_.Typed(start, end);
    NameReading reading = FormulaForName(name);
    if (!reading.ok()) {
      reading.reason.position = start + 1;
      out_.failure = std::move(reading.reason);
      return end;
    }
    std::string formula = reading.formula;
    if (!reading.concentration.empty()) {
      if (kReadingTakesConcentration) {
        formula += "(" + reading.concentration + ")";
      } else {
        reading.notes.push_back("the " + reading.concentration + " of " + name +
                                " is kept out of the formula " + formula);
      }
    }
    rewritten_ += text_.Typed(copied_, start) + formula;
    copied_ = end;
    const std::size_t formula_length = CodePoints(formula);
    out_.replacements.push_back({start + shift_, formula_length, start, end - start});
    shift_ += formula_length;
    shift_ -= end - start;
    if (seen_.insert(name).second) {
      names_ += (names_.empty() ? "" : ", ") + name + " " + formula;
    }
    for (Note& note : reading.notes) out_.notes.push_back(std::move(note));
    return end;
  }

  const SourceText& text_;
  NamedEquation out_;
  std::string rewritten_;
  std::size_t copied_ = 0;
  std::string names_;  // "高锰酸钾 KMnO4, 锰酸钾 K2MnO4"
  std::set<std::string> seen_;
  // Characters the formulas so far add; unsigned, it wraps when the names
  // were longer, and start + shift_ is still the place in the new text.
  std::size_t shift_ = 0;
};

}  // namespace

std::size_t NamedEquation::TypedPosition(std::size_t position) const {
  if (position == 0) return 0;
  std::size_t at = position - 1;
  std::size_t typed = at;
  for (const Replacement& r : replacements) {
    if (at < r.at) break;
    if (at < r.at + r.formula_length) return r.name_at + 1;
    typed = r.name_at + r.name_length + (at - r.at - r.formula_length);
  }
  return typed + 1;
}

NamedEquation ReadNames(std::string_view utf8) {
  // Every Han character is three or four bytes in UTF-8, the first 0xE3 or above.
  const bool may_hold_names = std::any_of(
      utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE3; });
  if (!may_hold_names) return {};
  std::size_t bad_byte = 0;
  const std::optional<SourceText> text = SourceText::Decode(utf8, bad_byte);
  if (!text) return {};  // the reading says where the bytes are not UTF-8
  return NameReader(*text).Read();
}

}  // namespace quorvel::chemistry::detail
