#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "quorvel/cpu/counter_source.h"
#include "quorvel/cpu/proc_stat.h"

namespace quorvel::cpu {
namespace {

class ProcStatCounterSource : public CounterSource {
 public:
  explicit ProcStatCounterSource(std::string stat_path)
      : stat_path_(std::move(stat_path)), ticks_per_second_(sysconf(_SC_CLK_TCK)) {}

  std::optional<std::uint32_t> QueryProcessorCount() override {
    const std::optional<ProcStatFigures> figures = ReadFigures();
    if (!figures) return std::nullopt;
    return figures->processor_count;
  }

  // The monotonic clock: setting the wall clock must not turn into a step of
  // the time difference. Like the idle counters it stands still while the
  // machine is suspended.
  std::optional<LargeCounter> QuerySystemTime() override {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0) return std::nullopt;
    return static_cast<LargeCounter>(now.tv_sec) * 10'000'000 +
           static_cast<LargeCounter>(now.tv_nsec / 100);
  }

  std::optional<LargeCounter> QueryIdleTime() override {
    const std::optional<ProcStatFigures> figures = ReadFigures();
    if (!figures) return std::nullopt;
    return figures->idle_time;
  }

 private:
  std::optional<ProcStatFigures> ReadFigures() const {
    std::ifstream file(stat_path_, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return ParseProcStat(text.str(), ticks_per_second_);
  }

  std::string stat_path_;
  std::int64_t ticks_per_second_;
};

}  // namespace

std::unique_ptr<CounterSource> MakeProcStatCounterSource(std::string stat_path) {
  return std::make_unique<ProcStatCounterSource>(std::move(stat_path));
}

std::unique_ptr<CounterSource> MakePlatformCounterSource() {
  return MakeProcStatCounterSource("/proc/stat");
}

}  // namespace quorvel::cpu
