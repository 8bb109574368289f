#include <cstdlib>
#include <string>

#include "quorvel/failure.h"
#include "quorvel/search.h"

namespace quorvel {

CoefficientString FindCoefficients(const CompoundList& compounds, std::int16_t reactant_count,
                                   BalanceHost& host) {
  ElementList elements;
  const Text equation = host.EquationText();
  CollectElements(equation, elements);
  // Nothing has been written yet: the matrix text keeps what the host had.
  if (elements.empty()) throw BalanceFailure(FailureKind::kNoElementSymbol);
  if (OversizedUnsearchableMatrix(compounds.size(), elements.size() - 1, equation.size())) {
    throw BalanceFailure(FailureKind::kTooManyCompounds);
  }

  const CompositionMatrix matrix = BuildMatrix(compounds, reactant_count, elements);
  // Appended, not replaced: the pipeline clears the box just before. The
  // matrix stays on show whatever happens to the search below.
  host.SetMatrixText(host.MatrixText() + FormatMatrixText(matrix));

  if (matrix.compounds() > kMaxSearchedCompounds) {
    throw BalanceFailure(FailureKind::kTooManyCompounds);
  }
  // Without any compound there is no number to start the search from.
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
