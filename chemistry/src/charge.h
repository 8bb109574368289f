// How a charge is read after a formula: marked, superscript, or digits before a bare sign.

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "formula.h"
#include "quorvel/chemistry/integer.h"
#include "quorvel/chemistry/note.h"
#include "source_text.h"

namespace quorvel::chemistry::detail {

inline constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);

struct ChargeReading {
  Integer charge;  // 0 when the species has none
  // How digits before an unmarked sign were read (Fe3+, MnO4-); empty otherwise.
  std::optional<Note> note;
  // Where a "+" was read as a charge without a mark, for the hint in a later
  // error ("H2+ O2" reads H2+ as an ion); kNoPosition otherwise.
  std::size_t unmarked_plus = kNoPosition;
  // Where the formula's atoms end: before its last count when the charge took it.
  std::size_t formula_end = 0;
};

// True when the species ends at i: the end of the text, a space, a sign, an
// arrow or a state mark follows.
bool EndsSpecies(const SourceText& text, std::size_t i);

// Reads the charge written at i after the formula `shape` and leaves i after
// it. Digits directly before an unmarked final sign are the charge when the
// formula is a lone element symbol (Fe3+), their last one is when they are
// two or more (SO42-), and they are a count otherwise (MnO4-).
// A "+" that does not end the species is no charge: it separates species.
ChargeReading ReadCharge(const SourceText& text, std::size_t& i, const FormulaShape& shape);

}  // namespace quorvel::chemistry::detail
