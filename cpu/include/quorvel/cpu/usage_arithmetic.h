#pragma once

#include <cstdint>
#include <optional>

#include "quorvel/cpu/currency.h"

namespace quorvel::cpu {

// A kernel time counter: a signed 64-bit count of 100-ns units, in the
// host's byte order (little-endian on every platform the sampler runs on).
using LargeCounter = std::int64_t;

// The counter's 8 bytes read as a count of ten-thousandths, so one second
// (10,000,000 units) becomes 1,000.0000. Cannot fail.
Currency LargeToCurrency(const LargeCounter& counter);

// The usage reading in percent from the processor count and the idle and
// system-time differences since the previous sample, rounding at exactly the
// points where the reading has always rounded: the ratio idle/time to four
// decimals, then the busy share plus one half to four decimals, floored.
// Not clamped: an idle difference above N times the time difference gives a
// negative reading, a negative time difference one above 100.
// Empty when no reading can be formed: no processors, no time elapsed while
// idle time did, or an intermediate value out of range.
std::optional<std::int32_t> UsageReading(std::uint32_t processor_count, Currency idle_difference,
                                         Currency time_difference);

// The same from two pairs of counters.
std::optional<std::int32_t> UsageReadingFromCounters(std::uint32_t processor_count,
                                                     const LargeCounter& idle_time,
                                                     const LargeCounter& prev_idle_time,
                                                     const LargeCounter& system_time,
                                                     const LargeCounter& prev_system_time);

}  // namespace quorvel::cpu
