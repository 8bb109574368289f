#pragma once

#include <cstdint>
#include <string>

#include "quorvel/messages.h"

namespace quorvel::cpu {

// Total CPU usage of the machine in whole percent over the time since the
// previous successful sample, brought into 0..100 (Module1::ShownReading);
// -1 only when the platform's counters cannot be read or give no reading.
// One sampler for the whole process; call it from one thread. The first call
// measures against zero counters, so callers take one silent baseline
// sample before the first reading they show.
std::int32_t GetCpuUsage();

// The label's caption for a reading ("当前系统总CPU占用率：25 %"), UTF-8;
// before the first reading it shows Message::kCpuUsageUnknown.
std::string UsageCaptionUtf8(std::int32_t reading, messages::Language language);

}  // namespace quorvel::cpu
