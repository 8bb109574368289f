#pragma once

#include <cstdint>
#include <string>

namespace quorvel::cpu {

// The label's caption before the first reading.
inline constexpr const char* kUnknownCaptionUtf8 = "当前系统总CPU占用率：未知";

// Total CPU usage of the machine in whole percent over the time since the
// previous successful sample; -1 when the platform's counters cannot be read.
std::int32_t GetCpuUsage();

// "当前系统总CPU占用率：" + reading + " %", UTF-8.
std::string UsageCaptionUtf8(std::int32_t reading);

}  // namespace quorvel::cpu
