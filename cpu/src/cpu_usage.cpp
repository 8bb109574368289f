#include "quorvel/cpu_usage.h"

#include <memory>

#include "quorvel/cpu/counter_source.h"
#include "quorvel/cpu/module1.h"

namespace quorvel::cpu {

std::int32_t GetCpuUsage() {
  // One sampler for the life of the process, on the window's thread only.
  static const std::unique_ptr<CounterSource> source = MakePlatformCounterSource();
  static Module1 module(*source);
  return module.GetCpuUsage();
}

std::string UsageCaptionUtf8(std::int32_t reading, messages::Language language) {
  return messages::Format(messages::Message::kCpuUsage, language, {std::to_string(reading)});
}

}  // namespace quorvel::cpu
