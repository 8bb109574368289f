#pragma once

#include <cstdint>
#include <optional>

#include "quorvel/cpu/counter_source.h"
#include "quorvel/cpu/usage_arithmetic.h"

namespace quorvel::cpu {

// The usage sampler: compares the platform's cumulative idle and system times
// with those of its previous successful sample.
class Module1 {
 public:
  explicit Module1(CounterSource& source) : source_(source) {}

  // Queries processor count, system time and idle time in that order; the
  // first failed query ends the sample with nothing, asks no further query
  // and keeps the stored values, so the next reading spans both intervals.
  // When all three succeed the stored values advance, also if no reading
  // can be formed from them (see UsageReading): the new counters are sound
  // and the next interval should start from them. The reading is raw, not
  // clamped.
  std::optional<std::int32_t> Sample();

  // Sample() as the label shows it: ShownReading of the raw reading.
  std::int32_t GetCpuUsage() { return ShownReading(Sample()); }

  const LargeCounter& PrevIdleTime() const { return prev_idle_time_; }
  const LargeCounter& PrevSystemTime() const { return prev_system_time_; }

  // -1 when there is no reading; otherwise the reading brought into 0..100,
  // so that -1 never stands for a successful sample. A negative raw reading
  // (more idle time than processors times elapsed time, a counter artefact)
  // shows 0, one above 100 (the time counter stepped back) shows 100.
  static std::int32_t ShownReading(std::optional<std::int32_t> raw_reading);

 private:
  CounterSource& source_;
  LargeCounter prev_idle_time_ = 0;
  LargeCounter prev_system_time_ = 0;
};

}  // namespace quorvel::cpu
