// The whole balance on arbitrary bytes: it may fail, but only with one of the
// engine's failures, and what it leaves in the host must keep its shape.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "balance_invariants.h"
#include "lenient_text.h"
#include "quorvel/pipeline.h"
#include "reference_walk.h"

namespace {

using quorvel::BalanceFailure;
using quorvel::FailureKind;
using quorvel::Text;
namespace fuzz = quorvel::fuzz;

// Nine compounds without a solution make the plain walk try almost nine
// hundred million candidates; past this many yields the host "closes", as
// the window may, and the run is abandoned rather than timing out the fuzzer.
constexpr long long kYieldBudget = 2'000'000;
// The literal walk is compared in full up to this many compounds.
constexpr std::size_t kWalkedCompounds = 5;
// Entries are recounted one by one only while that stays cheap.
constexpr std::size_t kRecountedWork = 2'000'000;

class BudgetHost : public quorvel::BufferHost {
 public:
  using BufferHost::BufferHost;
  bool YieldToUi() override {
    BufferHost::YieldToUi();
    return yields() <= kYieldBudget;
  }
};

[[noreturn]] void Fail(const std::string& what, const Text& input) {
  std::fprintf(stderr, "invariant broken: %s\ninput: %s\n", what.c_str(),
               quorvel::EncodeUtf8(input).c_str());
  std::abort();
}

void Expect(const std::string& problem, const Text& input) {
  if (!problem.empty()) Fail(problem, input);
}

fuzz::BalanceOutcome Balance(BudgetHost& host, bool& abandoned) {
  fuzz::BalanceOutcome outcome;
  try {
    outcome.result = quorvel::BalanceEquation(host);
  } catch (const BalanceFailure& failure) {
    outcome.failure = failure.kind();
  } catch (const quorvel::BalanceAbandoned&) {
    abandoned = true;
  }
  return outcome;
}

// What the walk over every candidate says the whole balance must give.
fuzz::BalanceOutcome Expected(const fuzz::Pieces& pieces, const quorvel::ElementList& symbols) {
  const auto reactants = static_cast<std::int16_t>(pieces.reactants);
  const quorvel::SearchResult walked = quorvel::reference::WalkEveryCandidate(
      quorvel::BuildMatrix(pieces.compounds, reactants, symbols));
  fuzz::BalanceOutcome expected;
  switch (walked.outcome) {
    case quorvel::SearchOutcome::kFound:
      expected.result = quorvel::FormatBalanced(walked.digits, pieces.compounds, reactants);
      break;
    case quorvel::SearchOutcome::kNotFound:
      expected.failure = FailureKind::kNoCoefficients;
      break;
    case quorvel::SearchOutcome::kOverflow:
      expected.failure = FailureKind::kOverflow;
      break;
  }
  return expected;
}

std::string Describe(const fuzz::BalanceOutcome& outcome) {
  if (outcome.result) return "result " + quorvel::EncodeUtf8(*outcome.result);
  if (outcome.failure) return std::string("failure: ") + quorvel::Describe(*outcome.failure);
  return "nothing";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::DecodeLeniently(data, size);
  BudgetHost host(input);
  bool abandoned = false;
  const fuzz::BalanceOutcome outcome = Balance(host, abandoned);
  if (abandoned) return 0;

  const Text normalised = host.EquationText();
  Expect(fuzz::CheckNormalised(normalised), input);
  const fuzz::Pieces pieces = fuzz::ReadPieces(normalised);
  const quorvel::ElementList symbols = fuzz::ReadSymbols(normalised);

  if (pieces.reactants > INT16_MAX) {
    if (outcome.failure != FailureKind::kOverflow || !host.MatrixText().empty()) {
      Fail("too many reactants must fail before the matrix: " + Describe(outcome), input);
    }
    return 0;
  }
  if (symbols.empty()) {
    if (outcome.failure != FailureKind::kNoElementSymbol || !host.MatrixText().empty()) {
      Fail("no symbol must fail before the matrix: " + Describe(outcome), input);
    }
    return 0;
  }
  if (quorvel::OversizedUnsearchableMatrix(pieces.compounds.size(), symbols.size() - 1,
                                           normalised.size())) {
    if (outcome.failure != FailureKind::kTooManyCompounds || !host.MatrixText().empty()) {
      Fail("an oversized unsearchable matrix must fail unwritten: " + Describe(outcome), input);
    }
    return 0;
  }
  const bool recount = symbols.size() * normalised.size() <= kRecountedWork;
  Expect(fuzz::CheckMatrixText(host.MatrixText(), pieces, symbols, recount), input);

  if (pieces.compounds.size() > static_cast<std::size_t>(quorvel::kMaxSearchedCompounds)) {
    if (outcome.failure != FailureKind::kTooManyCompounds) {
      Fail("ten or more compounds must fail: " + Describe(outcome), input);
    }
    return 0;
  }
  if (outcome.result) Expect(fuzz::CheckResultKeepsCompounds(*outcome.result, pieces), input);

  if (pieces.compounds.size() <= kWalkedCompounds) {
    const fuzz::BalanceOutcome expected = Expected(pieces, symbols);
    if (expected.result != outcome.result || expected.failure != outcome.failure) {
      Fail("the walk over every candidate gives " + Describe(expected) + ", the balance gave " +
               Describe(outcome),
           input);
    }
  }
  return 0;
}
