#include "dense_system.h"

#include <algorithm>
#include <numeric>
#include <cstdlib>
#include <random>

#include "quorvel/chemistry/periodic_table.h"

namespace quorvel::testing {
namespace {

using Counts = std::vector<std::vector<std::uint64_t>>;  // [species][element]

// Moves row `e` toward balance: `excess` is what the reactants hold beyond
// the products under the planted coefficients. A product count rises, or a
// reactant count falls, by as much as fits.
void Balance(Counts& counts, const std::vector<std::uint64_t>& planted, std::size_t reactants,
             std::size_t e, std::int64_t excess, std::uint64_t max_count) {
  // Coarse steps through every species first, then single steps with the
  // species whose coefficient is 1 finish it.
  for (int pass = 0; pass < 2 && excess != 0; ++pass) {
    for (std::size_t s = 0; s < counts.size() && excess != 0; ++s) {
      const auto weight = static_cast<std::int64_t>(planted[s]);
      if (pass == 1 && weight != 1) continue;
      std::uint64_t& count = counts[s][e];
      const bool product = s >= reactants;
      // A product rising or a reactant falling lowers the excess; else raises it.
      const bool lowers = excess > 0;
      const bool rise = product == lowers;
      const auto room = static_cast<std::int64_t>(rise ? max_count - count : count);
      const std::int64_t steps = std::min(room, std::abs(excess) / weight);
      count = rise ? count + static_cast<std::uint64_t>(steps) : count - static_cast<std::uint64_t>(steps);
      excess += (lowers ? -1 : 1) * steps * weight;
    }
  }
}

std::string Formula(const std::vector<std::uint64_t>& counts) {
  std::string text;
  for (std::size_t e = 0; e < counts.size(); ++e) {
    if (counts[e] == 0) continue;
    text += chemistry::ElementSymbol(static_cast<int>(e) + 1);
    if (counts[e] > 1) text += std::to_string(counts[e]);
  }
  return text;
}

}  // namespace

DenseSystem MakeDenseSystem(int elements, int species, std::uint64_t max_count,
                            std::uint32_t seed) {
  std::mt19937_64 random(seed);
  const auto n = static_cast<std::size_t>(species);
  const auto m = static_cast<std::size_t>(elements);
  const std::size_t reactants = n / 2;
  while (true) {
    DenseSystem system;
    for (std::size_t s = 0; s < n; ++s) system.planted.push_back(1 + random() % 9);
    system.planted[0] = 1;
    system.planted[reactants] = 1;
    Counts counts(n, std::vector<std::uint64_t>(m));
    for (auto& row : counts) {
      for (std::uint64_t& count : row) count = random() % (max_count + 1);
    }
    for (std::size_t e = 0; e < m; ++e) {
      std::int64_t excess = 0;
      for (std::size_t s = 0; s < n; ++s) {
        const auto held = static_cast<std::int64_t>(counts[s][e] * system.planted[s]);
        excess += s < reactants ? held : -held;
      }
      Balance(counts, system.planted, reactants, e, excess, max_count);
    }
    // Rare: a species left without atoms, or a row the nudges could not
    // balance. Draw again.
    bool sound = true;
    for (std::size_t e = 0; e < m; ++e) {
      std::int64_t excess = 0;
      for (std::size_t s = 0; s < n; ++s) {
        const auto held = static_cast<std::int64_t>(counts[s][e] * system.planted[s]);
        excess += s < reactants ? held : -held;
      }
      sound = sound && excess == 0;
    }
    for (const auto& row : counts) {
      sound = sound && std::any_of(row.begin(), row.end(), [](std::uint64_t c) { return c > 0; });
    }
    if (!sound) continue;
    for (std::size_t s = 0; s < n; ++s) {
      if (s > 0) system.equation += s == reactants ? " = " : " + ";
      system.equation += Formula(counts[s]);
    }
    return system;
  }
}

std::vector<std::string> SmallestCoefficients(const std::vector<std::uint64_t>& planted) {
  std::uint64_t divisor = 0;
  for (const std::uint64_t x : planted) divisor = std::gcd(divisor, x);
  std::vector<std::string> coefficients;
  for (const std::uint64_t x : planted) coefficients.push_back(std::to_string(x / divisor));
  return coefficients;
}

}  // namespace quorvel::testing
