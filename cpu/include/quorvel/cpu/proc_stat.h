#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "quorvel/cpu/counter_source.h"
#include "quorvel/cpu/usage_arithmetic.h"

namespace quorvel::cpu {

struct ProcStatFigures {
  std::uint32_t processor_count = 0;  // the per-processor "cpuN" lines
  LargeCounter idle_time = 0;         // 100-ns units
};

// Reads the text of /proc/stat: the processor count from its "cpuN" lines,
// the idle time from the all-processor "cpu" line as idle plus iowait, taken
// from clock ticks (ticks_per_second of them) into 100-ns units. A processor
// waiting for I/O has nothing to run, which is idle for the purpose of a
// busy share; the kernel's split between the two is only an estimate and
// iowait alone may even step back, while their sum is the processor's whole
// idle time. Empty when the text lacks either part, a field is not a
// decimal number or a value does not fit.
std::optional<ProcStatFigures> ParseProcStat(std::string_view text, std::int64_t ticks_per_second);

#if defined(__linux__)
// Counters from the given stat file and the monotonic clock; the platform
// source is this on /proc/stat.
std::unique_ptr<CounterSource> MakeProcStatCounterSource(std::string stat_path);
#endif

}  // namespace quorvel::cpu
