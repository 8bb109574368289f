// Samples the machine's counters once a second and prints what the label
// would show, next to the raw reading.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#include "quorvel/cpu/counter_source.h"
#include "quorvel/cpu/module1.h"

int main(int argc, char** argv) {
  using namespace quorvel::cpu;
  const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10;
  const auto source = MakePlatformCounterSource();
  Module1 module(*source);
  const std::optional<std::int32_t> first = module.Sample();
  std::printf("baseline: raw %s\n", first ? std::to_string(*first).c_str() : "none");
  for (long i = 1; i <= seconds; ++i) {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::optional<std::uint32_t> processors = source->QueryProcessorCount();
    const std::optional<std::int32_t> raw = module.Sample();
    std::printf("tick %ld: processors %u, raw %s, shown %d\n", i, processors.value_or(0),
                raw ? std::to_string(*raw).c_str() : "none", Module1::ShownReading(raw));
    std::fflush(stdout);
  }
}
