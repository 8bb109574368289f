#include "quorvel/cpu/usage_arithmetic.h"

#include <cstring>

namespace quorvel::cpu {

Currency LargeToCurrency(const LargeCounter& counter) {
  std::int64_t count = 0;
  std::memcpy(&count, &counter, sizeof count);
  return Currency::FromCount(count);
}

std::optional<std::int32_t> UsageReading(std::uint32_t processor_count, Currency idle_difference,
                                         Currency time_difference) {
  // A zero count would divide by zero below; a zero time with non-zero idle
  // time (the clock set back to exactly the previous sample) has no span to
  // measure over.
  if (processor_count == 0) return std::nullopt;
  const Currency zero;
  if (time_difference == zero && idle_difference != zero) return std::nullopt;
  try {
    const Currency ratio =
        time_difference == zero
            ? zero
            : Currency::FromDouble(idle_difference.ToDouble() / time_difference.ToDouble());
    const Currency idle_percent = ratio * std::int16_t{100};
    const double idle_share = idle_percent.ToDouble() / static_cast<double>(processor_count);
    const double rounded_up_busy = (100.0 - idle_share) + 0.5;
    return Currency::FromDouble(rounded_up_busy).Floor().ToInt32();
  } catch (const CurrencyOverflow&) {
    return std::nullopt;
  }
}

std::optional<std::int32_t> UsageReadingFromCounters(std::uint32_t processor_count,
                                                     const LargeCounter& idle_time,
                                                     const LargeCounter& prev_idle_time,
                                                     const LargeCounter& system_time,
                                                     const LargeCounter& prev_system_time) {
  try {
    const Currency idle_difference = LargeToCurrency(idle_time) - LargeToCurrency(prev_idle_time);
    const Currency time_difference =
        LargeToCurrency(system_time) - LargeToCurrency(prev_system_time);
    return UsageReading(processor_count, idle_difference, time_difference);
  } catch (const CurrencyOverflow&) {
    return std::nullopt;
  }
}

}  // namespace quorvel::cpu
