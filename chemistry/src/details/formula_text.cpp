// A species' formula as the details show it, without marks and notes, and its name.

#include "formula_text.h"

#include <algorithm>
#include <array>

#include "quorvel/chemistry/names.h"

namespace quorvel::chemistry::detail {
namespace {

constexpr std::array<std::string_view, 6> kStates = {"s", "l", "g", "aq", "cr", "sol"};
constexpr std::array<std::string_view, 4> kTrailingMarks = {"↑", "↓", " ", "\t"};

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The bracketed group the text ends with, when it is a state or a note
// (anything not ASCII, as 浓 or 稀): its length, else 0.
std::size_t TrailingNote(std::string_view text) {
  struct Brackets {
    std::string_view open;
    std::string_view close;
  };
  for (const Brackets& brackets : {Brackets{"(", ")"}, Brackets{"（", "）"}}) {
    if (!EndsWith(text, brackets.close)) continue;
    const std::size_t open = text.rfind(brackets.open);
    if (open == std::string_view::npos || open == 0) continue;
    const std::string_view inside =
        text.substr(open + brackets.open.size(),
                    text.size() - brackets.close.size() - open - brackets.open.size());
    const bool state = std::find(kStates.begin(), kStates.end(), inside) != kStates.end();
    const bool note = std::any_of(inside.begin(), inside.end(),
                                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (state || note) return text.size() - open;
  }
  return 0;
}

}  // namespace

std::string FormulaText(std::string_view text) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view mark : kTrailingMarks) {
      if (EndsWith(text, mark)) {
        text.remove_suffix(mark.size());
        trimmed = true;
      }
    }
    if (const std::size_t note = TrailingNote(text); note != 0) {
      text.remove_suffix(note);
      trimmed = true;
    }
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return std::string(text);
}

std::optional<std::string> SpeciesName(const Species& species) { return ChineseName(species); }

}  // namespace quorvel::chemistry::detail
