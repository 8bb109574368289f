#pragma once

#include <cstdint>
#include <string>

namespace quorvel::cpu {

// The label's caption before the first reading.
inline constexpr const char* kUnknownCaptionUtf8 = "当前系统总CPU占用率：未知";

// Total CPU usage of the machine in whole percent over the time since the
// previous successful sample, brought into 0..100 (Module1::ShownReading);
// -1 only when the platform's counters cannot be read or give no reading.
// One sampler for the whole process; call it from one thread. The first call
// measures against zero counters, so callers take one silent baseline
// sample before the first reading they show.
std::int32_t GetCpuUsage();

// "当前系统总CPU占用率：" + reading + " %", UTF-8.
std::string UsageCaptionUtf8(std::int32_t reading);

}  // namespace quorvel::cpu
