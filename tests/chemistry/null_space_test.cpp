// The exact elimination: null spaces with numbers past any machine word, and
// the deadline that turns hostile sizes into an error.

#include "null_space.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace quorvel::chemistry::detail {
namespace {

using Rational = boost::multiprecision::cpp_rational;

Integer Big(const char* digits) { return Integer(digits); }

TEST(NullSpaceTest, SolvesWithNumbersPastAMachineWord) {
  // x * 10^40 = y * (10^40 + 1): x = 10^40 + 1, y = 10^40.
  const Integer ten40 = Big("10000000000000000000000000000000000000000");
  const auto reduced = Reduce({{ten40, Integer(-(ten40 + 1))}}, 2);
  ASSERT_TRUE(reduced);
  ASSERT_EQ(reduced->free_columns, std::vector<std::size_t>{1});
  EXPECT_EQ(NullVector(*reduced, 2, 1), (IntegerRow{ten40 + 1, ten40}));
}

TEST(NullSpaceTest, FindsTheColumnsHeldAtZero) {
  // a = b, b = 2c + d, d appears alone in a third row: d = 0 whatever a is.
  const auto reduced = Reduce({{1, -1, 0, 0}, {0, 1, -2, -1}, {0, 0, 0, 1}}, 4);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(ColumnsHeldAtZero(*reduced), std::vector<std::size_t>{3});
  EXPECT_EQ(NullVector(*reduced, 4, 2), (IntegerRow{2, 2, 1, 0}));
}

TEST(NullSpaceTest, StopsAtTheDeadline) {
  std::vector<IntegerRow> rows;
  for (int r = 0; r < 20; ++r) {
    IntegerRow& row = rows.emplace_back();
    for (int c = 0; c < 40; ++c) row.push_back((r * 7919 + c * 104729) % 1000003 + 1);
  }
  const Deadline now = std::chrono::steady_clock::now();
  EXPECT_FALSE(Reduce(rows, 40, now - std::chrono::seconds(1))) << "a deadline passed stops it";
  EXPECT_TRUE(Reduce(rows, 40, now + std::chrono::minutes(1))) << "a distant one does not";
}

// The elimination starts modulo 2^31 - 1; a matrix built on that prime reads
// differently there than in exact arithmetic.
constexpr int kFirstPrime = 2147483647;

struct UnluckyCase {
  const char* name;
  std::vector<IntegerRow> rows;
  std::size_t columns;
  std::vector<std::size_t> pivots;
  IntegerRow null_vector;  // of the first free column; empty when there is none
};

class UnluckyPrimeTest : public ::testing::TestWithParam<UnluckyCase> {};

TEST_P(UnluckyPrimeTest, GivesTheExactForm) {
  const UnluckyCase& c = GetParam();
  // Kept on the unlucky prime's reading, it would never check out.
  const auto reduced =
      Reduce(c.rows, c.columns, std::chrono::steady_clock::now() + std::chrono::seconds(10));
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->pivots, c.pivots);
  if (c.null_vector.empty()) {
    EXPECT_TRUE(reduced->free_columns.empty());
  } else {
    ASSERT_FALSE(reduced->free_columns.empty());
    EXPECT_EQ(NullVector(*reduced, c.columns, reduced->free_columns[0]), c.null_vector);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnluckyPrimeTest,
    ::testing::Values(
        // Modulo the prime, column 0 vanishes and the pivots move right.
        UnluckyCase{"PivotMovesRight",
                    {{kFirstPrime, 0, -1}, {0, 1, -1}},
                    3,
                    {0, 1},
                    {1, kFirstPrime, kFirstPrime}},
        // The determinant is the prime: modulo it the rank drops and a null
        // vector appears that exact arithmetic does not have.
        UnluckyCase{"RankDrops", {{Integer(kFirstPrime) + 1, 1}, {1, 1}}, 2, {0, 1}, {}},
        // A fraction whose numerator and denominator pass the first prime.
        UnluckyCase{"FractionPastOnePrime",
                    {{Integer(kFirstPrime) * 3 + 2, -(Integer(kFirstPrime) * 5 + 1)}},
                    2,
                    {0},
                    {Integer(kFirstPrime) * 5 + 1, Integer(kFirstPrime) * 3 + 2}},
        // Modulo the prime the first row's pivot vanishes and the second row
        // gives it: the same columns, the rows' order and so the
        // determinant's sign swapped.
        UnluckyCase{"PivotFromALaterRow",
                    {{kFirstPrime, 1, 1}, {1, 2, 3}},
                    3,
                    {0, 1},
                    {1, 1 - 3 * Integer(kFirstPrime), 2 * Integer(kFirstPrime) - 1}}),
    [](const auto& test) { return std::string(test.param.name); });

// The reduced form in plain fractions, column by column: slow, but plainly
// right, to check the modular one against.
std::vector<std::vector<Rational>> ReducedInFractions(const std::vector<IntegerRow>& rows,
                                                      std::size_t columns) {
  std::vector<std::vector<Rational>> matrix;
  for (const IntegerRow& row : rows) matrix.emplace_back(row.begin(), row.end());
  std::size_t rank = 0;
  for (std::size_t column = 0; column < columns && rank < matrix.size(); ++column) {
    std::size_t pivot = rank;
    while (pivot < matrix.size() && matrix[pivot][column] == 0) ++pivot;
    if (pivot == matrix.size()) continue;
    std::swap(matrix[rank], matrix[pivot]);
    const Rational lead = matrix[rank][column];
    for (Rational& entry : matrix[rank]) entry /= lead;
    for (std::size_t r = 0; r < matrix.size(); ++r) {
      if (r == rank || matrix[r][column] == 0) continue;
      const Rational factor = matrix[r][column];
      for (std::size_t j = 0; j < columns; ++j) matrix[r][j] -= factor * matrix[rank][j];
    }
    ++rank;
  }
  matrix.resize(rank);
  return matrix;
}

// Digits from a fixed sequence, so that every run builds the same numbers.
Integer Pseudorandom(std::uint64_t& state, int digits) {
  Integer x = 0;
  for (int d = 0; d < digits; ++d) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    x = x * 10 + static_cast<int>((state >> 33) % 10);
  }
  return (state >> 32) % 3 == 0 ? Integer(-x) : x;
}

struct LargeCase {
  const char* name;
  std::vector<IntegerRow> rows;
  std::size_t columns;
};

// Rows of 40-digit numbers: the answer's numbers run to hundreds of digits,
// past what small fractions read back, and come back as integers over the
// determinant of the pivot rows.
LargeCase Large(const char* name, int rows, std::size_t columns, std::uint64_t seed) {
  LargeCase c{name, {}, columns};
  for (int r = 0; r < rows; ++r) {
    IntegerRow& row = c.rows.emplace_back();
    for (std::size_t j = 0; j < columns; ++j) row.push_back(Pseudorandom(seed, 40));
  }
  return c;
}

LargeCase WithRepeatedRows(LargeCase c) {
  // A sum of two rows and a multiple of one: the rank stays, and the pivots
  // come from rows that are not all first.
  IntegerRow sum(c.columns);
  IntegerRow multiple(c.columns);
  for (std::size_t j = 0; j < c.columns; ++j) {
    sum[j] = c.rows[0][j] + c.rows[1][j];
    multiple[j] = -7 * c.rows[2][j];
  }
  c.rows.insert(c.rows.begin(), sum);
  c.rows.insert(c.rows.begin() + 2, multiple);
  return c;
}

LargeCase WithSharedFactor(LargeCase c) {
  // Every entry of the last column a multiple of 6, and a column of 0s.
  for (IntegerRow& row : c.rows) {
    row.back() *= 6;
    row.insert(row.begin() + 1, 0);
  }
  ++c.columns;
  return c;
}

class LargeAnswerTest : public ::testing::TestWithParam<LargeCase> {};

TEST_P(LargeAnswerTest, AgreesWithFractions) {
  const LargeCase& c = GetParam();
  const auto reduced =
      Reduce(c.rows, c.columns, std::chrono::steady_clock::now() + std::chrono::minutes(1));
  ASSERT_TRUE(reduced);
  const std::vector<std::vector<Rational>> expected = ReducedInFractions(c.rows, c.columns);
  ASSERT_EQ(reduced->rows.size(), expected.size());
  for (std::size_t r = 0; r < expected.size(); ++r) {
    const IntegerRow& row = reduced->rows[r];
    const Integer& pivot = row[reduced->pivots[r]];
    EXPECT_GT(pivot, 0) << "row " << r;
    Integer divisor = 0;
    for (std::size_t j = 0; j < c.columns; ++j) {
      EXPECT_EQ(Rational(row[j], pivot), expected[r][j]) << "row " << r << ", column " << j;
      divisor = gcd(divisor, row[j]);
    }
    EXPECT_EQ(divisor, 1) << "row " << r << " is not primitive";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LargeAnswerTest,
    ::testing::Values(Large("Square", 6, 7, 1), Large("Wide", 5, 11, 2),
                      WithRepeatedRows(Large("RepeatedRows", 5, 9, 3)),
                      WithSharedFactor(Large("SharedFactor", 4, 8, 4))),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quorvel::chemistry::detail
