#include "quorvel/cpu/module1.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "case_name.h"
#include "quorvel/cpu_usage.h"

namespace quorvel::cpu {
namespace {

constexpr std::nullopt_t kFailed = std::nullopt;

// What the platform answers on one tick.
struct Answers {
  std::optional<std::uint32_t> processors;
  std::optional<LargeCounter> time;
  std::optional<LargeCounter> idle;
};

class FakeCounterSource : public CounterSource {
 public:
  Answers answers;
  int queries = 0;

  std::optional<std::uint32_t> QueryProcessorCount() override {
    ++queries;
    return answers.processors;
  }
  std::optional<LargeCounter> QuerySystemTime() override {
    ++queries;
    return answers.time;
  }
  std::optional<LargeCounter> QueryIdleTime() override {
    ++queries;
    return answers.idle;
  }
};

struct Tick {
  Answers answers;
  std::int32_t shown;
  int queries;             // asked on this tick
  LargeCounter prev_time;  // stored after the tick
  LargeCounter prev_idle;
};

struct TicksCase {
  std::string name;
  std::vector<Tick> ticks;
};

class Module1Ticks : public testing::TestWithParam<TicksCase> {};

TEST_P(Module1Ticks, ShowsReadingsAndKeepsState) {
  FakeCounterSource source;
  Module1 module(source);
  int tick_number = 0;
  for (const Tick& tick : GetParam().ticks) {
    SCOPED_TRACE("tick " + std::to_string(++tick_number));
    source.answers = tick.answers;
    source.queries = 0;
    EXPECT_EQ(module.GetCpuUsage(), tick.shown);
    EXPECT_EQ(source.queries, tick.queries);
    EXPECT_EQ(module.PrevSystemTime(), tick.prev_time);
    EXPECT_EQ(module.PrevIdleTime(), tick.prev_idle);
  }
}

constexpr LargeCounter kT0 = 133'000'000'000'000'000;  // a 2020s system time
constexpr LargeCounter kI0 = 50'000'000'000'000;

INSTANTIATE_TEST_SUITE_P(
    Table, Module1Ticks,
    testing::Values(
        TicksCase{"FirstSampleAgainstZero", {{{4, kT0, kI0}, 100, 3, kT0, kI0}}},
        TicksCase{"FailedProcessorQueryAsksNoMore", {{{kFailed, kT0, kI0}, -1, 1, 0, 0}}},
        TicksCase{"FailedTimeQueryAsksNoMore", {{{4, kFailed, kI0}, -1, 2, 0, 0}}},
        TicksCase{
            "FailedIdleQueryKeepsState",
            {{{4, kT0, kI0}, 100, 3, kT0, kI0}, {{4, kT0 + 10'000'000, kFailed}, -1, 3, kT0, kI0}}},
        TicksCase{
            "NextSuccessSpansBothIntervals",
            {{{4, kT0, kI0}, 100, 3, kT0, kI0},
             {{4, kT0 + 10'000'000, kFailed}, -1, 3, kT0, kI0},
             {{4, kT0 + 20'000'000, kI0 + 60'000'000}, 25, 3, kT0 + 20'000'000, kI0 + 60'000'000}}},
        TicksCase{
            "NegativeReadingShowsZero",
            {{{1, kT0, kI0}, 100, 3, kT0, kI0},
             {{1, kT0 + 10'000'000, kI0 + 10'100'000}, 0, 3, kT0 + 10'000'000, kI0 + 10'100'000}}},
        TicksCase{"ClockSetBackShows100",
                  {{{4, kT0, kI0}, 100, 3, kT0, kI0},
                   {{4, kT0 - 10'000'000, kI0 + 30'000'000},
                    100,
                    3,
                    kT0 - 10'000'000,
                    kI0 + 30'000'000}}},
        // The counters themselves were read, so the next interval starts here.
        TicksCase{"NoReadingStillAdvances",
                  {{{4, kT0, kI0}, 100, 3, kT0, kI0},
                   {{4, kT0, kI0 + 5}, -1, 3, kT0, kI0 + 5},
                   {{4, kT0 + 10'000'000, kI0 + 5 + 30'000'000},
                    25,
                    3,
                    kT0 + 10'000'000,
                    kI0 + 5 + 30'000'000}}}),
    CaseName<TicksCase>);

struct ShownCase {
  std::string name;
  std::optional<std::int32_t> raw;
  std::int32_t shown;
};

class ShownReadingTable : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownReadingTable, KeepsMinusOneForFailures) {
  EXPECT_EQ(Module1::ShownReading(GetParam().raw), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShownReadingTable,
    testing::Values(ShownCase{"NoReading", kFailed, -1}, ShownCase{"MinusOneIsAReading", -1, 0},
                    ShownCase{"MinusTwo", -2, 0}, ShownCase{"Zero", 0, 0},
                    ShownCase{"Middle", 57, 57}, ShownCase{"Hundred", 100, 100},
                    ShownCase{"Above", 175, 100}, ShownCase{"Lowest", INT32_MIN, 0}),
    CaseName<ShownCase>);

struct CaptionCase {
  std::string name;
  std::int32_t reading;
  std::string caption;
};

class UsageCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(UsageCaption, JoinsPrefixReadingAndPercent) {
  EXPECT_EQ(UsageCaptionUtf8(GetParam().reading, quorvel::messages::Language::kChinese),
            GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Table, UsageCaption,
                         testing::Values(CaptionCase{"Reading", 25, "当前系统总CPU占用率：25 %"},
                                         CaptionCase{"Zero", 0, "当前系统总CPU占用率：0 %"},
                                         CaptionCase{"Full", 100, "当前系统总CPU占用率：100 %"},
                                         CaptionCase{"Failure", -1, "当前系统总CPU占用率：-1 %"}),
                         CaseName<CaptionCase>);

}  // namespace
}  // namespace quorvel::cpu
