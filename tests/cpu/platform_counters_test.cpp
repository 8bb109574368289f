#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

#include "quorvel/cpu/counter_source.h"
#include "quorvel/cpu/module1.h"

namespace quorvel::cpu {
namespace {

// The real counters of the machine running the tests give a reading, and
// the first one after a baseline is not the since-boot average.
TEST(PlatformCounters, GiveAReadingAfterABaseline) {
  const auto source = MakePlatformCounterSource();
  const std::optional<std::uint32_t> processors = source->QueryProcessorCount();
  ASSERT_TRUE(processors.has_value());
  EXPECT_GE(*processors, 1U);

  Module1 module(*source);
  ASSERT_TRUE(module.Sample().has_value());
  const LargeCounter baseline_time = module.PrevSystemTime();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const std::optional<std::int32_t> raw = module.Sample();
  ASSERT_TRUE(raw.has_value());
  // About 300 ms passed; allow for a slow, loaded machine.
  EXPECT_GE(module.PrevSystemTime() - baseline_time, 2'500'000);
  EXPECT_LT(module.PrevSystemTime() - baseline_time, 100'000'000);
  const std::int32_t shown = Module1::ShownReading(raw);
  EXPECT_GE(shown, 0);
  EXPECT_LE(shown, 100);
}

}  // namespace
}  // namespace quorvel::cpu
