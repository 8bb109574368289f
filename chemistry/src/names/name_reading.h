// Names where formulas stand: turned into formulas before the usual reading.

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/chemistry/note.h"
#include "quorvel/chemistry/reason.h"

namespace quorvel::chemistry::detail {

// An equation with its names read as formulas.
struct NamedEquation {
  std::optional<std::string> text;  // the equation with formulas; empty when it holds no name
  std::vector<Note> notes;          // each name and its formula, and what a name says besides
  std::optional<Reason> failure;    // a name that is unknown or means several substances

  // Where each name stood and its formula stands, in characters, so that a
  // fault the reading finds later is shown where it was typed.
  struct Replacement {
    std::size_t at;  // in the equation with formulas
    std::size_t formula_length;
    std::size_t name_at;  // as typed
    std::size_t name_length;
  };
  std::vector<Replacement> replacements;

  // A 1-based position in `text` as a position in the typed equation; 0 stays 0.
  std::size_t TypedPosition(std::size_t position) const;
};

// Reads every name where a species stands (高锰酸钾 =△= 锰酸钾 + ...); the
// conditions between two signs (=点燃=) and notes in brackets stay as typed.
NamedEquation ReadNames(std::string_view utf8);

}  // namespace quorvel::chemistry::detail
