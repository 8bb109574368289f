#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "case_name.h"
#include "quorvel/cpu/usage_arithmetic.h"

namespace quorvel::cpu {
namespace {

constexpr std::nullopt_t kNoReading = std::nullopt;

struct ReadingCase {
  std::string name;
  std::uint32_t processors;
  std::int64_t idle_difference;  // 100-ns units
  std::int64_t time_difference;
  std::optional<std::int32_t> reading;
};

class UsageReadingTable : public testing::TestWithParam<ReadingCase> {};

TEST_P(UsageReadingTable, MatchesTheReading) {
  const ReadingCase& c = GetParam();
  EXPECT_EQ(UsageReading(c.processors, LargeToCurrency(c.idle_difference),
                         LargeToCurrency(c.time_difference)),
            c.reading);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageReadingTable,
    testing::Values(
        ReadingCase{"QuarterBusy", 4, 30'000'000, 10'000'000, 25},
        ReadingCase{"NoIdleTime", 4, 0, 10'000'000, 100},
        ReadingCase{"AllIdleFloorsHalf", 4, 40'000'000, 10'000'000, 0},
        ReadingCase{"BusyHalfGoesUp", 2, 20'200'000, 20'000'000, 50},
        // R = 0.99504 rounds to 0.9950 before scaling; unrounded it gives 0.
        ReadingCase{"RatioRoundedFirst", 1, 9'950'400, 10'000'000, 1},
        ReadingCase{"IdleJustAboveElapsed", 1, 10'100'000, 10'000'000, -1},
        ReadingCase{"RatioRoundedThenNegative", 1, 10'156'250, 10'000'000, -2},
        ReadingCase{"ClockSetBack", 4, 30'000'000, -10'000'000, 175},
        ReadingCase{"NoTimeNoIdle", 4, 0, 0, 100},
        ReadingCase{"SpansTwoIntervals", 4, 60'000'000, 20'000'000, 25},
        // The first sample after start compares with zero counters.
        ReadingCase{"FirstSampleSince1601", 4, 40'000'000'000'000, 130'000'000'000'000'000, 100},
        ReadingCase{"NoTimeButIdle", 4, 5, 0, kNoReading},
        ReadingCase{"NoProcessors", 0, 10, 10'000'000, kNoReading},
        ReadingCase{"RatioOutOfRange", 1, 9'000'000'000'000'000'000, 1, kNoReading},
        ReadingCase{"PercentOutOfRange", 1, 100'000'000'000'000'000, 10'000, kNoReading},
        ReadingCase{"ReadingBeyond32Bits", 1, -1'000'000'000'000'000, 10'000'000, kNoReading}),
    CaseName<ReadingCase>);

struct CountersCase {
  std::string name;
  LargeCounter idle, prev_idle, time, prev_time;
  std::optional<std::int32_t> reading;
};

class UsageReadingFromCountersTable : public testing::TestWithParam<CountersCase> {};

TEST_P(UsageReadingFromCountersTable, TakesDifferencesFirst) {
  const CountersCase& c = GetParam();
  EXPECT_EQ(UsageReadingFromCounters(4, c.idle, c.prev_idle, c.time, c.prev_time), c.reading);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageReadingFromCountersTable,
    testing::Values(CountersCase{"Differences", 130'000'000'030'000'000, 130'000'000'000'000'000,
                                 900'010'000'000, 900'000'000'000, 25},
                    CountersCase{"DifferenceOutOfRange", 0, 0,
                                 std::numeric_limits<LargeCounter>::min(), 1, kNoReading}),
    CaseName<CountersCase>);

TEST(LargeToCurrency, CountsTenThousandths) {
  EXPECT_EQ(LargeToCurrency(10'000'000).ToDouble(), 1000.0);
  EXPECT_EQ(LargeToCurrency(-1).Count(), -1);
}

}  // namespace
}  // namespace quorvel::cpu
