#pragma once

// A note of an answer as data: how notation that reads two ways was read, or
// a hint. Explain turns it into one line of English or Simplified Chinese;
// Answer::notes keeps the English lines, which scripts compare.

#include <string>
#include <utility>
#include <vector>

#include "quorvel/messages.h"

namespace quorvel::chemistry {

enum class NoteKind {
  kPlain,             // args: the line itself, said in English only
  kChargeRead,        // args: as typed, the formula, the charge (SO42- read as SO4, 2-)
  kChargeReadOther,   // args: as kChargeRead, then the other formula, its charge, how to write it
  kChargeNotIsotope,  // args: as typed, the symbol, the charge's size (C-14)
  kNamesRead,         // args: the names with their formulas
  kTypedKept,         // args: the number of independent reactions
  kLikelyFormula,     // args: the formula meant, the formula typed, the answer it gives
  kLeadingCount,      // args: the count, the formula as typed, the part it leads (2CaSO4·H2O)
  kOxidationCountsNoAtoms,  // args: the formula as typed with its oxidation state
  kOxidationStateIon,       // args: as typed (Fe(III)), the charge's size
  kBalancesLeavingOneOut,   // args: the answer without the species held at 0
  kBalancesLeavingSomeOut,  // args: as kBalancesLeavingOneOut
  kBalancesOtherSide,       // args: the answer, then each species moved to the other side
  kFirstReactionsListed,    // args: how many are listed, how many there are
  kMixtureRead,             // args: the name, the formula of its main substance
  kPolymerRead,             // args: the name, the formula of its unit
};

struct Note {
  Note() = default;
  // A line no catalogue entry says yet: shown as it is, in English.
  Note(std::string english) : args{std::move(english)} {}  // NOLINT: implicit on purpose
  Note(NoteKind note_kind, std::vector<std::string> note_args)
      : kind(note_kind), args(std::move(note_args)) {}

  NoteKind kind = NoteKind::kPlain;
  std::vector<std::string> args;
  bool operator==(const Note&) const = default;
};

// One line in the language.
std::string Explain(const Note& note, messages::Language language);

}  // namespace quorvel::chemistry
