#include "quorvel/cpu/module1.h"

#include <algorithm>
#include <cstring>

namespace quorvel::cpu {

std::optional<std::int32_t> Module1::Sample() {
  const std::optional<std::uint32_t> processor_count = source_.QueryProcessorCount();
  if (!processor_count) return std::nullopt;
  const std::optional<LargeCounter> system_time = source_.QuerySystemTime();
  if (!system_time) return std::nullopt;
  const std::optional<LargeCounter> idle_time = source_.QueryIdleTime();
  if (!idle_time) return std::nullopt;

  const std::optional<std::int32_t> reading = UsageReadingFromCounters(
      *processor_count, *idle_time, prev_idle_time_, *system_time, prev_system_time_);
  std::memcpy(&prev_idle_time_, &*idle_time, sizeof prev_idle_time_);
  std::memcpy(&prev_system_time_, &*system_time, sizeof prev_system_time_);
  return reading;
}

std::int32_t Module1::ShownReading(std::optional<std::int32_t> raw_reading) {
  if (!raw_reading) return -1;
  return std::clamp(*raw_reading, std::int32_t{0}, std::int32_t{100});
}

}  // namespace quorvel::cpu
