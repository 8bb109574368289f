#include "quorvel/cpu/proc_stat.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "case_name.h"

namespace quorvel::cpu {
namespace {

// Captured from a two-processor machine, intr line shortened.
constexpr const char* kCaptured =
    "cpu  9366 0 6551 59298 554 0 204 0 0 0\n"
    "cpu0 3454 0 2506 31899 23 0 66 0 0 0\n"
    "cpu1 5911 0 4045 27398 530 0 138 0 0 0\n"
    "intr 250826 0 0 0 0 0 0 0\n"
    "ctxt 524177\n"
    "btime 1796600000\n"
    "procs_running 1\n";

struct ParseCase {
  std::string name;
  std::string text;
  std::int64_t ticks_per_second;
  std::optional<std::uint32_t> processors;  // empty: the text is rejected
  LargeCounter idle_time;
};

class ProcStatParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ProcStatParse, ReadsCountAndIdleTime) {
  const ParseCase& c = GetParam();
  const std::optional<ProcStatFigures> figures = ParseProcStat(c.text, c.ticks_per_second);
  ASSERT_EQ(figures.has_value(), c.processors.has_value());
  if (!figures) return;
  EXPECT_EQ(figures->processor_count, *c.processors);
  EXPECT_EQ(figures->idle_time, c.idle_time);
}

std::string ManyProcessors(int count) {
  std::string text = "cpu 1 2 3 4 5\n";
  for (int i = 0; i < count; ++i) text += "cpu" + std::to_string(i) + " 0 0 0 0 0\n";
  return text;
}

constexpr std::nullopt_t kRejected = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Table, ProcStatParse,
    testing::Values(
        // Idle plus iowait, 100 ticks a second: one tick is 100,000 units.
        ParseCase{"Captured", kCaptured, 100, 2, (59'298 + 554) * 100'000LL},
        ParseCase{"ThousandTicks", kCaptured, 1000, 2, (59'298 + 554) * 10'000LL},
        ParseCase{"TicksNotDividingASecond", "cpu 0 0 0 7 0\ncpu0 0 0 0 7 0\n", 300, 1, 233'333},
        ParseCase{"WithoutIowait", "cpu 1 2 3 40\ncpu0 1 2 3 40", 100, 1, 4'000'000},
        ParseCase{"TabsAndExtraFields", "cpu\t1\t2\t3\t4\t5\t6\t7\ncpu0 1 2 3 4 5 6 7\n", 100, 1,
                  900'000},
        ParseCase{"OtherCpuPrefixedLinesIgnored", "cpufreq 9\ncpu 0 0 0 1 1\ncpu0 0 0 0 1 1\n", 100,
                  1, 200'000},
        ParseCase{"MoreThanAByteOfProcessors", ManyProcessors(300), 100, 300, 900'000},
        ParseCase{"Empty", "", 100, kRejected, 0},
        ParseCase{"NoAllProcessorLine", "cpu0 1 2 3 4 5\n", 100, kRejected, 0},
        ParseCase{"NoProcessorLines", "cpu 1 2 3 4 5\n", 100, kRejected, 0},
        ParseCase{"TwoAllProcessorLines", "cpu 1 2 3 4 5\ncpu 1 2 3 4 5\ncpu0 1 2 3 4 5\n", 100,
                  kRejected, 0},
        ParseCase{"TooFewFields", "cpu 1 2 3\ncpu0 1 2 3\n", 100, kRejected, 0},
        ParseCase{"NegativeField", "cpu 1 2 3 -4 5\ncpu0 1 2 3 4 5\n", 100, kRejected, 0},
        ParseCase{"TrailingGarbage", "cpu 1 2 3 4x 5\ncpu0 1 2 3 4 5\n", 100, kRejected, 0},
        ParseCase{"BadIowait", "cpu 1 2 3 4 ?\ncpu0 1 2 3 4 5\n", 100, kRejected, 0},
        ParseCase{"TicksTooLargeForCounter", "cpu 0 0 0 92233720368547759 0\ncpu0 0\n", 100,
                  kRejected, 0},
        ParseCase{"IdlePlusIowaitOverflows", "cpu 0 0 0 18446744073709551615 1\ncpu0 0 0 0 0 0\n",
                  100, kRejected, 0},
        ParseCase{"NoTickRate", kCaptured, 0, kRejected, 0}),
    CaseName<ParseCase>);

}  // namespace
}  // namespace quorvel::cpu
