#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "quorvel/balance_host.h"
#include "quorvel/elements.h"

namespace quorvel {

using CompoundList = std::vector<Text>;
// The search numbers run from N ones to N nines as signed 32-bit integers:
// nine compounds fit, ten do not.
inline constexpr int kMaxSearchedCompounds = 9;
// One decimal digit per compound, the first 1 to 9; empty when nothing balances.
using CoefficientString = std::string;

// Signed atom counts: reactants positive, products negative.
class CompositionMatrix {
 public:
  CompositionMatrix(int compounds, int elements)
      : compounds_(compounds),
        elements_(elements),
        entries_(static_cast<std::size_t>(compounds) * static_cast<std::size_t>(elements)) {}

  int compounds() const { return compounds_; }
  int elements() const { return elements_; }
  // c from 0 to compounds-1, e from 1 to elements (the element list's slots).
  std::int16_t At(int c, int e) const { return entries_[Index(c, e)]; }
  void Set(int c, int e, std::int16_t v) { entries_[Index(c, e)] = v; }

 private:
  std::size_t Index(int c, int e) const {
    return static_cast<std::size_t>(e - 1) * static_cast<std::size_t>(compounds_) +
           static_cast<std::size_t>(c);
  }
  int compounds_;
  int elements_;
  std::vector<std::int16_t> entries_;
};

CompositionMatrix BuildMatrix(const CompoundList& compounds, std::int16_t reactant_count,
                              const ElementList& elements);

// One line per element, one field per compound: the entry and four spaces;
// every line ends with CR LF.
Text FormatMatrixText(const CompositionMatrix& matrix);

// The matrix text of more compounds than the search takes is written only to
// be followed by the failure, yet pasted text can make it gigabytes long. It
// is not written at all when even its shortest possible length, with every
// entry one character (five characters a field, two a line end), is longer than
// max(1 Mi characters, 16 x the length of the normalised equation text).
bool OversizedUnsearchableMatrix(std::size_t compounds, std::size_t elements,
                                 std::size_t equation_length);

enum class SearchOutcome { kFound, kNotFound, kOverflow };
struct SearchResult {
  SearchOutcome outcome = SearchOutcome::kNotFound;
  CoefficientString digits;  // set when found
};

// Returns what walking the candidates from the number written with N ones to
// the one written with N nines returns: the first candidate that balances
// every row, or an overflow when a partial row sum leaves 16 bits before one
// does. `yield` is called regularly; when it returns false the search throws
// BalanceAbandoned. Needs 1 to 9 compounds and at least one element.
SearchResult SearchCoefficients(const CompositionMatrix& matrix,
                                const std::function<bool()>& yield);

// Scans the host's equation text, writes the matrix text, searches.
// Throws BalanceFailure (no symbol, ten or more compounds, overflow).
CoefficientString FindCoefficients(const CompoundList& compounds, std::int16_t reactant_count,
                                   BalanceHost& host);

// The decimal digits of a positive candidate into slots 1..L (slot 0 stays 0),
// yielding to the host once per digit.
void SplitDigits(std::int32_t candidate, std::vector<std::int16_t>& digits, BalanceHost& host);

}  // namespace quorvel
