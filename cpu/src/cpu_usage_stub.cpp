// Stand-in until the platform counters are read.
#include "quorvel/cpu_usage.h"

namespace quorvel::cpu {

std::int32_t GetCpuUsage() { return -1; }

std::string UsageCaptionUtf8(std::int32_t reading) {
  return "当前系统总CPU占用率：" + std::to_string(reading) + " %";
}

}  // namespace quorvel::cpu
