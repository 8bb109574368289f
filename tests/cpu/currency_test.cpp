#include "quorvel/cpu/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "case_name.h"

namespace quorvel::cpu {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::nullopt_t kFails = std::nullopt;

struct FromDoubleCase {
  std::string name;
  double value;
  std::optional<std::int64_t> count;
};

class CurrencyFromDouble : public testing::TestWithParam<FromDoubleCase> {};

TEST_P(CurrencyFromDouble, RoundsExactlyHalfToEven) {
  const FromDoubleCase& c = GetParam();
  if (c.count) {
    EXPECT_EQ(Currency::FromDouble(c.value).Count(), *c.count);
  } else {
    EXPECT_THROW(Currency::FromDouble(c.value), CurrencyOverflow);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CurrencyFromDouble,
    testing::Values(FromDoubleCase{"One", 1.0, 10'000},
                    FromDoubleCase{"RatioBelowHalf", 0.99504, 9'950},
                    // 1/32 and 3/32 times 10,000 are exact halves: 312.5 and 937.5.
                    FromDoubleCase{"HalfToEvenDown", 0.03125, 312},
                    FromDoubleCase{"HalfToEvenUp", 0.09375, 938},
                    FromDoubleCase{"NegativeHalfToEvenDown", -0.03125, -312},
                    FromDoubleCase{"NegativeHalfToEvenUp", -0.09375, -938},
                    // The double nearest 0.00005 lies just above it: exactly scaled it is
                    // above one half, though the rounded product 0.5 would go to 0.
                    FromDoubleCase{"NoDoubleRoundingOfProduct", 0.00005, 1},
                    FromDoubleCase{"NegativeNoDoubleRounding", -0.00005, -1},
                    FromDoubleCase{"NegativeNearOne", -1.0600000000000023, -10'600},
                    FromDoubleCase{"Tiny", 1e-300, 0}, FromDoubleCase{"Subnormal", 5e-324, 0},
                    FromDoubleCase{"NearTop", 922337203685477.5, 9'223'372'036'854'775'000},
                    FromDoubleCase{"NearBottom", -922337203685477.5, -9'223'372'036'854'775'000},
                    FromDoubleCase{"AboveTop", 922337203685477.625, kFails},
                    FromDoubleCase{"BelowBottom", -922337203685477.625, kFails},
                    FromDoubleCase{"Huge", 1e300, kFails},
                    FromDoubleCase{"Infinity", std::numeric_limits<double>::infinity(), kFails},
                    FromDoubleCase{"MinusInfinity", -std::numeric_limits<double>::infinity(),
                                   kFails},
                    FromDoubleCase{"NaN", std::nan(""), kFails}),
    CaseName<FromDoubleCase>);

enum class Op { kMinus, kTimes, kFloor, kToInt32 };

struct OpCase {
  std::string name;
  Op op;
  std::int64_t count;
  std::int64_t operand;
  std::optional<std::int64_t> result;
};

std::int64_t Apply(const OpCase& c) {
  const Currency a = Currency::FromCount(c.count);
  switch (c.op) {
    case Op::kMinus:
      return (a - Currency::FromCount(c.operand)).Count();
    case Op::kTimes:
      return (a * static_cast<std::int16_t>(c.operand)).Count();
    case Op::kFloor:
      return a.Floor().Count();
    case Op::kToInt32:
      return a.ToInt32();
  }
  return 0;
}

class CurrencyOperation : public testing::TestWithParam<OpCase> {};

TEST_P(CurrencyOperation, IsExactOrFails) {
  const OpCase& c = GetParam();
  if (c.result) {
    EXPECT_EQ(Apply(c), *c.result);
  } else {
    EXPECT_THROW(Apply(c), CurrencyOverflow);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CurrencyOperation,
    testing::Values(
        OpCase{"Minus", Op::kMinus, 5, 8, -3}, OpCase{"MinusToMin", Op::kMinus, -1, kMax, kMin},
        OpCase{"MinusBelowMin", Op::kMinus, kMin, 1, kFails},
        OpCase{"MinusAboveMax", Op::kMinus, kMax, -1, kFails},
        OpCase{"MinusMinFromZero", Op::kMinus, 0, kMin, kFails},
        OpCase{"Times", Op::kTimes, 9'950, 100, 995'000},
        OpCase{"TimesMostNegativeFactor", Op::kTimes, -5, -32'768, 163'840},
        OpCase{"TimesToMin", Op::kTimes, kMin / 2, 2, kMin},
        OpCase{"TimesNegativeToMin", Op::kTimes, std::int64_t{1} << 62, -2, kMin},
        OpCase{"TimesNegativeAboveMax", Op::kTimes, -(std::int64_t{1} << 62), -2, kFails},
        OpCase{"TimesAboveMax", Op::kTimes, kMax / 100 + 1, 100, kFails},
        OpCase{"TimesMinByMinusOne", Op::kTimes, kMin, -1, kFails},
        OpCase{"TimesZero", Op::kTimes, kMax, 0, 0},
        OpCase{"FloorPositive", Op::kFloor, 27'000, 0, 20'000},
        OpCase{"FloorNegativeHalf", Op::kFloor, -5'000, 0, -10'000},
        OpCase{"FloorWholeNegative", Op::kFloor, -10'000, 0, -10'000},
        OpCase{"FloorTop", Op::kFloor, kMax, 0, 9'223'372'036'854'770'000},
        OpCase{"FloorBottomHasNoWholeBelow", Op::kFloor, kMin, 0, kFails},
        OpCase{"ToInt32Max", Op::kToInt32, 2'147'483'647LL * 10'000, 0, 2'147'483'647},
        OpCase{"ToInt32Min", Op::kToInt32, -2'147'483'648LL * 10'000, 0, -2'147'483'648LL},
        OpCase{"ToInt32AboveMax", Op::kToInt32, 2'147'483'648LL * 10'000, 0, kFails},
        OpCase{"ToInt32BelowMin", Op::kToInt32, -2'147'483'649LL * 10'000, 0, kFails},
        OpCase{"ToInt32HalfRoundsPastMax", Op::kToInt32, 21'474'836'475'000LL, 0, kFails},
        OpCase{"ToInt32HalfToEvenDown", Op::kToInt32, 25'000, 0, 2},
        OpCase{"ToInt32HalfToEvenUp", Op::kToInt32, -15'000, 0, -2},
        OpCase{"ToInt32Fraction", Op::kToInt32, 12'501, 0, 1}),
    CaseName<OpCase>);

TEST(CurrencyToDouble, IsCountOverTenThousand) {
  EXPECT_EQ(Currency::FromCount(10'000'000).ToDouble(), 1000.0);
  EXPECT_EQ(Currency::FromCount(-5'000).ToDouble(), -0.5);
}

}  // namespace
}  // namespace quorvel::cpu
