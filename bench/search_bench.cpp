// Times of the balance, from normalisation to result text, and of the
// coefficient search alone, against the literal walk it replaces.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "quorvel/balance_host.h"
#include "quorvel/elements.h"
#include "quorvel/failure.h"
#include "quorvel/pipeline.h"
#include "quorvel/search.h"
#include "reference_walk.h"

namespace {

using quorvel::BufferHost;
using quorvel::CompositionMatrix;
using quorvel::Text;

constexpr const char* kTextbook = "CH4+O2=CO2+H2O";
constexpr const char* kPermanganate = "KMnO4+HCl=KCl+MnCl2+Cl2+H2O";
constexpr const char* kNineNoSolution = "KMnO4+HCl+H2SO4=KCl+MnCl2+Cl2+H2O+K2SO4+MnSO4";
constexpr const char* kSevenNoSolution = "KMnO4+H2SO4+FeSO4=K2SO4+MnSO4+Fe2(SO4)3+H2O";

Text Widen(const std::string& ascii) { return Text(ascii.begin(), ascii.end()); }

const std::function<bool()>& NoWindow() {
  static const std::function<bool()> yield = [] { return true; };
  return yield;
}

CompositionMatrix MatrixOf(const std::string& equation) {
  BufferHost host(Widen(equation));
  quorvel::NormalizeEquation(host);
  quorvel::CompoundList compounds;
  const std::int16_t reactants = quorvel::SplitEquation(host.EquationText(), compounds);
  quorvel::ElementList elements;
  quorvel::CollectElements(host.EquationText(), elements);
  return quorvel::BuildMatrix(compounds, reactants, elements);
}

// Nine compounds whose grouped counts (81 atoms per "X9" inside "(...)9")
// make most rows able to leave 16 bits, behind a first row of small carbon
// counts that the walk must zero before it reaches them.
std::string LargeCountEquation(std::mt19937& rng) {
  const std::string symbols[] = {"H", "O", "N", "S", "P", "K", "F", "I", "B", "V", "W", "Y"};
  auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int reactants = uniform(3, 6);
  const int used = uniform(2, 12);
  std::string out;
  for (int c = 0; c < 9; ++c) {
    if (c > 0) out += c == reactants ? "=" : "+";
    out += 'C';
    out += std::to_string(uniform(1, 9));
    out += '(';
    for (int s = 0; s < used; ++s) {
      if (uniform(0, 99) < 40) continue;
      const int reps = uniform(1, 30);
      for (int r = 0; r < reps; ++r) {
        out += symbols[s];
        out += '9';
      }
    }
    out += ")9";
  }
  return out.size() <= 2000 ? out : out.substr(0, 2000);
}

void BM_Balance(benchmark::State& state, const char* equation) {
  for (auto _ : state) {
    BufferHost host(Widen(equation));
    try {
      benchmark::DoNotOptimize(quorvel::BalanceEquation(host));
    } catch (const quorvel::BalanceFailure&) {
    }
  }
}
BENCHMARK_CAPTURE(BM_Balance, textbook_CH4, kTextbook)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Balance, KMnO4_HCl, kPermanganate)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Balance, nine_no_solution, kNineNoSolution)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Balance, seven_no_solution, kSevenNoSolution)->Unit(benchmark::kMicrosecond);

void BM_Search(benchmark::State& state, const char* equation) {
  const CompositionMatrix matrix = MatrixOf(equation);
  for (auto _ : state) benchmark::DoNotOptimize(quorvel::SearchCoefficients(matrix, NoWindow()));
}
BENCHMARK_CAPTURE(BM_Search, textbook_CH4, kTextbook)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, KMnO4_HCl, kPermanganate)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, nine_no_solution, kNineNoSolution)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Search, seven_no_solution, kSevenNoSolution)->Unit(benchmark::kMicrosecond);

// Nine compounds whose rows together ask for a first digit of 0, while each
// row alone is easily zeroed: little can be skipped early.
void BM_SearchDenseNoSolution(benchmark::State& state) {
  const int rows[2][9] = {{2, 2, 2, 2, 2, -2, -2, -2, -2}, {3, 1, 1, 1, 1, -1, -1, -1, -1}};
  CompositionMatrix matrix(9, 2);
  for (int e = 0; e < 2; ++e) {
    for (int c = 0; c < 9; ++c) matrix.Set(c, e + 1, static_cast<std::int16_t>(rows[e][c]));
  }
  for (auto _ : state) benchmark::DoNotOptimize(quorvel::SearchCoefficients(matrix, NoWindow()));
}
BENCHMARK(BM_SearchDenseNoSolution)->Unit(benchmark::kMicrosecond);

// The literal walk on the seven-compound equation: 8,888,889 candidates.
void BM_LiteralWalk(benchmark::State& state, const char* equation) {
  const CompositionMatrix matrix = MatrixOf(equation);
  for (auto _ : state)
    benchmark::DoNotOptimize(quorvel::reference::WalkEveryCandidate(matrix, NoWindow()));
}
BENCHMARK_CAPTURE(BM_LiteralWalk, seven_no_solution, kSevenNoSolution)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Forty large-count equations of up to 2,000 characters, balanced one after
// the other; the slowest one's processor time is reported as a counter.
void BM_BalanceLargeCounts(benchmark::State& state) {
  std::mt19937 rng(20261207);
  std::vector<std::string> equations;
  for (int i = 0; i < 40; ++i) equations.push_back(LargeCountEquation(rng));
  double slowest_ms = 0;
  std::size_t longest = 0;
  int failed = 0;
  int overflowed = 0;
  for (auto _ : state) {
    for (const std::string& equation : equations) {
      const std::clock_t start = std::clock();
      BufferHost host(Widen(equation));
      try {
        benchmark::DoNotOptimize(quorvel::BalanceEquation(host));
      } catch (const quorvel::BalanceFailure& failure) {
        ++failed;
        overflowed += failure.kind() == quorvel::FailureKind::kOverflow;
      }
      const double took_ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
      slowest_ms = std::max(slowest_ms, took_ms);
      longest = std::max(longest, equation.size());
    }
  }
  state.counters["slowest_cpu_ms"] = slowest_ms;
  state.counters["longest_chars"] = static_cast<double>(longest);
  state.counters["equations"] = static_cast<double>(equations.size());
  state.counters["failed_per_round"] =
      static_cast<double>(failed) / static_cast<double>(state.iterations());
  state.counters["overflows_per_round"] =
      static_cast<double>(overflowed) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BalanceLargeCounts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
