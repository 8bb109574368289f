#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "quorvel/cpu/usage_arithmetic.h"

namespace quorvel::cpu {

// The three figures the sampler needs from the platform, one query each.
// An empty result is a failed query.
class CounterSource {
 public:
  virtual ~CounterSource() = default;

  // How many processors the idle time below is summed over.
  virtual std::optional<std::uint32_t> QueryProcessorCount() = 0;
  // A cumulative time in 100-ns units; only differences matter.
  virtual std::optional<LargeCounter> QuerySystemTime() = 0;
  // Idle time of all processors together, in 100-ns units.
  virtual std::optional<LargeCounter> QueryIdleTime() = 0;
};

// The kernel counters of the platform this was built for.
std::unique_ptr<CounterSource> MakePlatformCounterSource();

}  // namespace quorvel::cpu
