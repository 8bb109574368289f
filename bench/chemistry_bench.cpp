// Times of the chemistry reading: one equation from text to balanced text
// (parse, elimination, format), a mixed batch as a console run sees it, and
// dense systems of every element.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "dense_system.h"
#include "quorvel/chemistry.h"
#include "quorvel/chemistry/details.h"

namespace {

constexpr const char* kTextbook = "CH4 + O2 = CO2 + H2O";
constexpr const char* kFerrocyanide =
    "K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O";
constexpr const char* kIonic = "Cr2O7^2- + Fe^2+ + H+ = Cr^3+ + Fe^3+ + H2O";
constexpr const char* kTwoReactions = "MnO4- + H2O2 + H+ = Mn^2+ + O2 + H2O";

// Real equations of every kind, the failing ones included.
constexpr std::array<const char*, 16> kMixed = {
    kTextbook,
    kFerrocyanide,
    kIonic,
    kTwoReactions,
    "C12H22O11 + O2 = CO2 + H2O",
    "KMnO4 + HCl = KCl + MnCl2 + Cl2 + H2O",
    "K4[Fe(CN)6] + H2SO4 + H2O = K2SO4 + FeSO4 + (NH4)2SO4 + CO",
    "Pb(N3)2 + Cr(MnO4)2 = Cr2O3 + MnO2 + Pb3O4 + NO",
    "H3PO4 + (NH4)2MoO4 + HNO3 = (NH4)3PO4·12MoO3 + NH4NO3 + H2O",
    "CuSO4·5H2O = CuSO4 + H2O",
    "C₆H₁₂O₆ ⟶ C₂H₅OH + CO₂",
    "Fe³⁺ + e⁻ ⇌ Fe²⁺",
    "Cl2 + OH- = Cl- + ClO3- + H2O",
    "H2 + O2 = H2O + N2",
    "NaCl + H2O = NaOH + HCl + Cl2",
    "H2O = H2 + Xx",
};

void BM_ChemistryBalance(benchmark::State& state, const char* equation) {
  for (auto _ : state) {
    const quorvel::chemistry::Answer answer = quorvel::chemistry::Balance(equation);
    benchmark::DoNotOptimize(answer.result.data());
  }
}
BENCHMARK_CAPTURE(BM_ChemistryBalance, textbook_CH4, kTextbook)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChemistryBalance, ferrocyanide_nine_species, kFerrocyanide)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChemistryBalance, ionic_dichromate, kIonic)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChemistryBalance, two_reactions, kTwoReactions)->Unit(benchmark::kMicrosecond);

// The 10,000 lines of a console batch, without the process around them.
void BM_ChemistryTenThousandMixed(benchmark::State& state) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < 10'000; ++i) lines.emplace_back(kMixed[i % kMixed.size()]);
  for (auto _ : state) {
    std::size_t balanced = 0;
    for (const std::string& line : lines) balanced += quorvel::chemistry::Balance(line).ok();
    benchmark::DoNotOptimize(balanced);
  }
}
BENCHMARK(BM_ChemistryTenThousandMixed)->Unit(benchmark::kMillisecond);

// The same batch with the details of each balanced answer: the time beyond
// BM_ChemistryTenThousandMixed is what --details adds.
void BM_ChemistryTenThousandMixedDetails(benchmark::State& state) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < 10'000; ++i) lines.emplace_back(kMixed[i % kMixed.size()]);
  for (auto _ : state) {
    std::size_t described = 0;
    for (const std::string& line : lines) {
      described += quorvel::chemistry::Describe(quorvel::chemistry::Balance(line)).details ? 1 : 0;
    }
    benchmark::DoNotOptimize(described);
  }
}
BENCHMARK(BM_ChemistryTenThousandMixedDetails)->Unit(benchmark::kMillisecond);

// Elements x species with counts up to `max_count`, every element in nearly
// every species, and a planted answer; the label says how it ended (with
// more species than elements + 1 it has several independent reactions).
void BM_ChemistryDense(benchmark::State& state, int elements, int species,
                       std::uint64_t max_count) {
  const std::string equation =
      quorvel::testing::MakeDenseSystem(elements, species, max_count, 1).equation;
  std::string reason;
  for (auto _ : state) {
    const quorvel::chemistry::Answer answer = quorvel::chemistry::Balance(equation);
    reason = answer.ok() ? "balanced" : answer.error.substr(0, answer.error.find(':'));
    benchmark::DoNotOptimize(answer.result.data());
  }
  state.SetLabel(reason);
}
BENCHMARK_CAPTURE(BM_ChemistryDense, e60_s61_one_digit, 60, 61, 9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemistryDense, e80_s81_one_digit, 80, 81, 9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemistryDense, e118_s119_one_digit, 118, 119, 9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemistryDense, e30_s31_seven_digits, 30, 31, 9'999'999)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemistryDense, e118_s119_seven_digits, 118, 119, 9'999'999)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemistryDense, e118_s200_one_digit, 118, 200, 9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemistryDense, e118_s200_seven_digits, 118, 200, 9'999'999)
    ->Unit(benchmark::kMillisecond);

}  // namespace
