#pragma once

#include <optional>
#include <string>

#include "quorvel/failure.h"
#include "quorvel/search.h"

namespace quorvel::fuzz {

// What one whole balance gave: the result text, or the kind of failure.
struct BalanceOutcome {
  std::optional<Text> result;
  std::optional<FailureKind> failure;
};

// The equation as the pieces between "+" and "=", and how many stand left of
// the first "=", read straight off the normalised text.
struct Pieces {
  CompoundList compounds;
  long long reactants = 0;
};
Pieces ReadPieces(const Text& normalised);

// The distinct symbols of the text in order of first occurrence, slot 0 empty.
ElementList ReadSymbols(const Text& normalised);

// Each checker returns an empty string when the invariant holds, otherwise
// what was wrong.
std::string CheckNormalised(const Text& normalised);
// One line per symbol, one field per compound, each field a plain decimal and
// four spaces, each line closed by CR LF; the entries are the atom counts,
// negated for products, when `check_counts` is set.
std::string CheckMatrixText(const Text& matrix_text, const Pieces& pieces,
                            const ElementList& symbols, bool check_counts);
// The compounds stand in the result in their order, each with its coefficient
// (none for 1) in front, joined by "+" apart from the one "=".
std::string CheckResultKeepsCompounds(const Text& result, const Pieces& pieces);

}  // namespace quorvel::fuzz
