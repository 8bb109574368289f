#include <algorithm>
#include <cstdlib>
#include <string>

#include "quorvel/failure.h"
#include "quorvel/search.h"

namespace quorvel {
namespace {

// The matrix text of ten or more compounds is only written to be followed by
// the failure. Pasted text can make it symbols x compounds fields long
// (gigabytes for a few hundred kilobytes of input), so past a size in
// proportion to the equation it is not built at all and the failure comes at
// once. Nine compounds never come near it.
std::size_t UnsearchableMatrixTextLimit(std::size_t equation_length) {
  return std::max(std::size_t{1} << 20, 16 * equation_length);
}

std::size_t ShortestMatrixText(std::size_t compounds, std::size_t elements) {
  // Every field is at least "0" and four spaces; every line ends with CR LF.
  return elements * (5 * compounds + 2);
}

}  // namespace

CoefficientString FindCoefficients(const CompoundList& compounds, std::int16_t reactant_count,
                                   BalanceHost& host) {
  ElementList elements;
  const Text equation = host.EquationText();
  CollectElements(equation, elements);
  // Nothing has been written yet: the matrix text keeps what the host had.
  if (elements.empty()) throw BalanceFailure(FailureKind::kNoElementSymbol);
  if (compounds.size() >= 10 && ShortestMatrixText(compounds.size(), elements.size() - 1) >
                                    UnsearchableMatrixTextLimit(equation.size())) {
    throw BalanceFailure(FailureKind::kTooManyCompounds);
  }

  const CompositionMatrix matrix = BuildMatrix(compounds, reactant_count, elements);
  // Appended, not replaced: the pipeline clears the box just before. The
  // matrix stays on show whatever happens to the search below.
  host.SetMatrixText(host.MatrixText() + FormatMatrixText(matrix));

  // The candidates run from the number written with N ones to the one written
  // with N nines, a signed 32-bit value: ten or more compounds do not fit, and
  // without any compound there is no number to start from.
  if (matrix.compounds() >= 10) throw BalanceFailure(FailureKind::kTooManyCompounds);
  if (matrix.compounds() == 0) throw BalanceFailure(FailureKind::kNoCompounds);

  const SearchResult result = SearchCoefficients(matrix, [&host] { return host.YieldToUi(); });
  if (result.outcome == SearchOutcome::kOverflow) throw BalanceFailure(FailureKind::kOverflow);
  return result.digits;
}

void SplitDigits(std::int32_t candidate, std::vector<std::int16_t>& digits, BalanceHost& host) {
  // Candidates are positive; a sign would otherwise land in slot 1 as a
  // nonsense digit, so a negative value gives the digits of its magnitude.
  const std::string decimal = std::to_string(std::llabs(static_cast<long long>(candidate)));
  for (std::size_t p = 1; p <= decimal.size(); ++p) {
    digits.resize(p + 1);
    digits[p] = static_cast<std::int16_t>(decimal[p - 1] - '0');
    if (!host.YieldToUi()) throw BalanceAbandoned();
  }
}

}  // namespace quorvel
