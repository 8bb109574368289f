// The search against the literal walk on many random matrices: every result
// must be the walk's, overflow outcomes included.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "matrix_support.h"
#include "quorvel/search.h"
#include "reference_walk.h"
#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::CompositionMatrix;
using quorvel::SearchOutcome;
using quorvel::SearchResult;

enum RowKind {
  kChemistry,  // counts 0..9, positive left of the split, negative right
  kSigned,     // -9..9 anywhere
  kMedium,     // sparse, +-500..4500: some candidates overflow, some do not
  kLarge,      // sparse, up to the full 16-bit range
  kZero,
  kCopy,         // an earlier row again
  kMultiple,     // an earlier row times -3..3
  kCombination,  // the sum of two earlier rows
  kPlanted,      // zero for the planted digits, small entries
  kPlantedBig,   // zero for the planted digits, medium entries
  kBoundary,     // entries whose small multiples and sums land on the 16-bit limits
  kRowKinds
};

struct Family {
  const char* name;
  int min_compounds;
  int max_compounds;
  int max_rows;
  int cases;
  std::uint32_t seed;
  std::array<int, kRowKinds> weights;
  // 0: walk the whole range; otherwise walk this many candidates only.
  std::int64_t walk_limit;
  // Each outcome must turn up at least this often, or the family tests less
  // than it claims.
  int min_found;
  int min_not_found;
  int min_overflow;
};
void PrintTo(const Family& f, std::ostream* out) { *out << f.name; }

//                          chem sign med lrg zero copy mult comb plant plantbig edge
const Family kFamilies[] = {
    {"chemistry", 1, 6, 5, 800, 11, {6, 0, 0, 0, 1, 1, 0, 1, 0, 0, 0}, 0, 20, 20, 0},
    {"signed", 1, 6, 4, 800, 12, {0, 6, 0, 0, 1, 0, 2, 2, 0, 0, 0}, 0, 20, 20, 0},
    {"planted", 2, 6, 5, 800, 13, {2, 1, 0, 0, 1, 1, 1, 1, 6, 0, 0}, 0, 100, 0, 0},
    {"large_entries", 1, 6, 4, 800, 14, {2, 0, 2, 4, 1, 1, 1, 1, 0, 0, 0}, 0, 10, 10, 60},
    {"medium_planted", 2, 6, 4, 800, 15, {1, 0, 3, 0, 1, 1, 1, 1, 2, 4, 0}, 0, 20, 10, 40},
    {"dependent_big", 2, 6, 6, 600, 16, {1, 1, 3, 1, 1, 3, 3, 3, 1, 2, 0}, 0, 10, 10, 30},
    {"limits", 1, 6, 4, 800, 19, {1, 0, 0, 0, 1, 1, 1, 1, 1, 0, 6}, 0, 20, 20, 100},
    // Seven to nine compounds: the walk runs its first 200,000 candidates.
    {"long_planted", 7, 9, 4, 200, 17, {1, 0, 0, 0, 1, 1, 1, 1, 8, 3, 0}, 200000, 20, 0, 0},
    {"long_overflow", 7, 9, 4, 200, 18, {1, 0, 4, 2, 1, 1, 1, 1, 1, 3, 2}, 200000, 5, 0, 10},
};

class Generator {
 public:
  Generator(const Family& family, std::uint32_t seed) : family_(family), rng_(seed) {}

  CompositionMatrix Next() {
    const int n = Uniform(family_.min_compounds, family_.max_compounds);
    split_ = Uniform(0, n);
    PlantDigits(n);
    std::vector<std::vector<int>> rows;
    const int count = Uniform(1, family_.max_rows);
    std::discrete_distribution<int> kind(family_.weights.begin(), family_.weights.end());
    while (static_cast<int>(rows.size()) < count) {
      if (std::optional<std::vector<int>> row =
              MakeRow(static_cast<RowKind>(kind(rng_)), n, rows)) {
        rows.push_back(*row);
      }
    }
    return MatrixFromRows(n, rows);
  }

 private:
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Uniform(1, 100) <= percent; }

  // A candidate in range; for long ranges one the limited walk reaches.
  void PlantDigits(int n) {
    planted_.assign(static_cast<std::size_t>(n), 1);
    for (int j = 0; j < n; ++j) {
      const int early = n >= 7 ? 3 : 0;
      if (j < early) continue;
      if (j == early && n >= 7) {
        planted_[static_cast<std::size_t>(j)] = Uniform(1, 2);
      } else {
        planted_[static_cast<std::size_t>(j)] = Uniform(0, 9);
      }
    }
    if (n < 7) planted_[0] = Uniform(1, 9);
    // Keep it at or above the number written with ones: its first digit that
    // is not 1 must exceed 1.
    for (int& d : planted_) {
      if (d == 1) continue;
      if (d == 0) d = 2;
      break;
    }
  }

  std::optional<std::vector<int>> MakeRow(RowKind kind, int n,
                                          const std::vector<std::vector<int>>& earlier) {
    std::vector<int> row(static_cast<std::size_t>(n), 0);
    auto side = [this](int j) { return j < split_ ? 1 : -1; };
    switch (kind) {
      case kChemistry:
        for (int j = 0; j < n; ++j) {
          if (Chance(50)) row[static_cast<std::size_t>(j)] = side(j) * Uniform(1, 9);
        }
        return row;
      case kSigned:
        for (int& a : row) a = Uniform(-9, 9);
        return row;
      case kMedium:
        for (int j = 0; j < n; ++j) {
          if (Chance(50)) row[static_cast<std::size_t>(j)] = side(j) * Uniform(500, 4500);
        }
        return row;
      case kLarge:
        for (int j = 0; j < n; ++j) {
          if (Chance(40)) {
            row[static_cast<std::size_t>(j)] =
                Chance(20) ? (Chance(50) ? 32767 : -32768) : Uniform(-32767, 32767);
          }
        }
        return row;
      case kZero:
        return row;
      case kCopy:
      case kMultiple:
      case kCombination: {
        if (earlier.empty()) return std::nullopt;
        const auto& a =
            earlier[static_cast<std::size_t>(Uniform(0, static_cast<int>(earlier.size()) - 1))];
        const auto& b =
            earlier[static_cast<std::size_t>(Uniform(0, static_cast<int>(earlier.size()) - 1))];
        const int factor = kind == kMultiple ? Uniform(-3, 3) : 1;
        for (int j = 0; j < n; ++j) {
          const auto uj = static_cast<std::size_t>(j);
          const long v = factor * a[uj] + (kind == kCombination ? b[uj] : 0);
          if (v < INT16_MIN || v > INT16_MAX) return std::nullopt;
          row[uj] = static_cast<int>(v);
        }
        return row;
      }
      case kBoundary: {
        static constexpr int kEdges[] = {32767, 32766, 16384, 16383, 10923, 10922, 8192,
                                         8191,  3641,  3640,  2,     1,     4096,  2048};
        for (int& a : row) {
          if (Chance(40)) continue;
          const int edge = kEdges[Uniform(0, static_cast<int>(std::size(kEdges)) - 1)];
          a = Chance(50) ? edge : (edge == 32767 && Chance(30) ? -32768 : -edge);
        }
        return row;
      }
      case kPlanted:
      case kPlantedBig:
        return PlantedRow(n, kind == kPlanted ? 9 : 4500);
      case kRowKinds:
        break;
    }
    return std::nullopt;
  }

  // Random entries, one of them solved for so that the planted digits zero the row.
  std::optional<std::vector<int>> PlantedRow(int n, int magnitude) {
    std::vector<int> pivots;
    for (int j = 0; j < n; ++j) {
      if (planted_[static_cast<std::size_t>(j)] == 1) pivots.push_back(j);
    }
    if (pivots.empty()) return std::nullopt;
    const int pivot =
        pivots[static_cast<std::size_t>(Uniform(0, static_cast<int>(pivots.size()) - 1))];
    std::vector<int> row(static_cast<std::size_t>(n), 0);
    long rest = 0;
    for (int j = 0; j < n; ++j) {
      if (j == pivot || Chance(30)) continue;
      const auto uj = static_cast<std::size_t>(j);
      row[uj] = Uniform(-magnitude, magnitude);
      rest += row[uj] * planted_[uj];
    }
    if (-rest < INT16_MIN || -rest > INT16_MAX) return std::nullopt;
    row[static_cast<std::size_t>(pivot)] = static_cast<int>(-rest);
    return row;
  }

  const Family& family_;
  std::mt19937 rng_;
  int split_ = 0;
  std::vector<int> planted_;
};

std::int64_t FirstCandidate(int n) {
  std::int64_t first = 0;
  for (int i = 0; i < n; ++i) first = first * 10 + 1;
  return first;
}

// Whether the digits balance every row without leaving 16 bits.
bool Balances(const CompositionMatrix& matrix, const std::string& digits) {
  for (int e = 1; e <= matrix.elements(); ++e) {
    std::int32_t sum = 0;
    for (int j = 0; j < matrix.compounds(); ++j) {
      const std::int32_t product = (digits[static_cast<std::size_t>(j)] - '0') * matrix.At(j, e);
      if (product < INT16_MIN || product > INT16_MAX) return false;
      sum += product;
      if (sum < INT16_MIN || sum > INT16_MAX) return false;
    }
    if (sum != 0) return false;
  }
  return true;
}

class SearchDifferential : public testing::TestWithParam<Family> {};

TEST_P(SearchDifferential, AgreesWithTheWalk) {
  const Family& family = GetParam();
  Generator generator(family, family.seed);
  int found = 0;
  int not_found = 0;
  int overflow = 0;
  int beyond_walk = 0;
  for (int i = 0; i < family.cases; ++i) {
    const CompositionMatrix matrix = generator.Next();
    SCOPED_TRACE("case " + std::to_string(i) + ": " + Describe(matrix));
    const SearchResult fast = quorvel::SearchCoefficients(matrix, NeverClosing());
    const SearchResult walked =
        quorvel::reference::WalkEveryCandidate(matrix, NeverClosing(), family.walk_limit);
    found += fast.outcome == SearchOutcome::kFound;
    not_found += fast.outcome == SearchOutcome::kNotFound;
    overflow += fast.outcome == SearchOutcome::kOverflow;
    if (family.walk_limit == 0 || walked.outcome != SearchOutcome::kNotFound) {
      ASSERT_EQ(Describe(fast), Describe(walked));
      continue;
    }
    // The walk stopped early without a result: the search's answer, if any,
    // lies beyond what was walked and must hold up on its own.
    ++beyond_walk;
    if (fast.outcome == SearchOutcome::kFound) {
      EXPECT_GE(std::stoll(fast.digits), FirstCandidate(matrix.compounds()) + family.walk_limit);
      EXPECT_TRUE(Balances(matrix, fast.digits)) << fast.digits;
    }
  }
  RecordProperty("found", found);
  RecordProperty("not_found", not_found);
  RecordProperty("overflow", overflow);
  RecordProperty("beyond_walk", beyond_walk);
  // Most long-range cases must be settled by the walk itself.
  EXPECT_LE(beyond_walk, family.cases / 4);
  EXPECT_GE(found, family.min_found);
  EXPECT_GE(not_found, family.min_not_found);
  EXPECT_GE(overflow, family.min_overflow);
}

INSTANTIATE_TEST_SUITE_P(Families, SearchDifferential, testing::ValuesIn(kFamilies), RowName());

}  // namespace
}  // namespace quorvel_test
