#include "quorvel/pipeline.h"

#include <algorithm>

namespace quorvel {

void NormalizeEquation(BalanceHost& host) {
  // A pass that finds nothing leaves the text as it was, so it is not written
  // back: on long pasted text most of the passes change nothing.
  auto pass = [&host](const Text& from, const Text& to) {
    const Text text = host.EquationText();
    if (text.find(from) != Text::npos) host.SetEquationText(ReplaceAll(text, from, to));
  };
  pass(U" ", U"");
  pass(U"\uFF09", U")");
  pass(U"\uFF08", U"(");
  pass(U"\uFF0B", U"+");
  pass(U"-", U"=");
  for (int i = 0; i < 10; ++i) {
    pass(U"-", U"");
    if (!host.YieldToUi()) throw BalanceAbandoned();
  }
  // Each pass halves every run of "=": runs of up to 256 end as one.
  for (int i = 0; i < 8; ++i) {
    pass(U"==", U"=");
    if (!host.YieldToUi()) throw BalanceAbandoned();
  }
}

std::int16_t SplitEquation(Text text, CompoundList& compounds) {
  const std::size_t equals = text.find(U'=');
  long long reactants = 0;
  if (equals != Text::npos) {
    reactants =
        1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(equals), U'+');
  }
  if (reactants > INT16_MAX) throw BalanceFailure(FailureKind::kOverflow);

  compounds.clear();
  if (!text.empty()) {
    std::replace(text.begin(), text.end(), U'=', U'+');
    std::size_t start = 0;
    for (std::size_t plus = text.find(U'+'); plus != Text::npos; plus = text.find(U'+', start)) {
      compounds.push_back(text.substr(start, plus - start));
      start = plus + 1;
    }
    compounds.push_back(text.substr(start));
  }
  return static_cast<std::int16_t>(reactants);
}

Text FormatBalanced(const CoefficientString& coefficients, const CompoundList& compounds,
                    std::int16_t reactant_count) {
  // A digit needs a compound to stand before; a longer string is the caller's
  // mistake and gets the failure rather than a read past the list.
  if (coefficients.size() > compounds.size()) {
    throw BalanceFailure(FailureKind::kCoefficientsMismatch);
  }
  Text result;
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    const char digit = coefficients[i];
    if (digit != '1') result.push_back(static_cast<char32_t>(digit));
    result += compounds[i];
    result.push_back(U'+');
  }
  if (result.empty()) throw BalanceFailure(FailureKind::kNoCoefficients);
  result.pop_back();

  // The plus sign that closes the reactants becomes "="; with no reactants the
  // very first character is replaced.
  int plus_count = 0;
  for (char32_t& ch : result) {
    if (ch == U'+') ++plus_count;
    if (plus_count == reactant_count) {
      ch = U'=';
      break;
    }
  }
  return result;
}

Text BalanceEquation(BalanceHost& host) {
  NormalizeEquation(host);
  host.SetMatrixText(Text());
  CompoundList compounds;
  const std::int16_t reactant_count = SplitEquation(host.EquationText(), compounds);
  const CoefficientString coefficients = FindCoefficients(compounds, reactant_count, host);
  return FormatBalanced(coefficients, compounds, reactant_count);
}

}  // namespace quorvel
