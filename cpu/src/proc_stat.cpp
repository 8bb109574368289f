#include "quorvel/cpu/proc_stat.h"

#include <charconv>
#include <limits>

namespace quorvel::cpu {
namespace {

constexpr std::int64_t kUnitsPerSecond = 10'000'000;

std::string_view NextToken(std::string_view& rest) {
  const std::size_t start = rest.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const std::size_t end = rest.find_first_of(" \t");
  const std::string_view token = rest.substr(0, end);
  rest.remove_prefix(token.size());
  return token;
}

std::optional<std::uint64_t> ParseDecimal(std::string_view token) {
  std::uint64_t value = 0;
  const char* const last = token.data() + token.size();
  const auto [end, error] = std::from_chars(token.data(), last, value);
  if (token.empty() || error != std::errc() || end != last) return std::nullopt;
  return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// idle (+ iowait when the kernel reports it) from the fields after "cpu".
std::optional<std::uint64_t> IdleTicks(std::string_view fields) {
  std::uint64_t ticks = 0;
  constexpr int kIdleField = 4;
  constexpr int kIowaitField = 5;
  for (int field = 1; field <= kIowaitField; ++field) {
    const std::string_view token = NextToken(fields);
    if (token.empty() && field == kIowaitField) break;
    const std::optional<std::uint64_t> value = ParseDecimal(token);
    if (!value) return std::nullopt;
    if (field >= kIdleField) {
      if (*value > std::numeric_limits<std::uint64_t>::max() - ticks) return std::nullopt;
      ticks += *value;
    }
  }
  return ticks;
}

std::optional<LargeCounter> TicksToUnits(std::uint64_t ticks, std::int64_t ticks_per_second) {
  if (ticks_per_second <= 0 || ticks_per_second > kUnitsPerSecond) return std::nullopt;
  const auto hz = static_cast<std::uint64_t>(ticks_per_second);
  const std::uint64_t seconds = ticks / hz;
  const std::uint64_t fraction_units = ticks % hz * kUnitsPerSecond / hz;
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<LargeCounter>::max());
  if (seconds > (kMax - fraction_units) / kUnitsPerSecond) return std::nullopt;
  return static_cast<LargeCounter>(seconds * kUnitsPerSecond + fraction_units);
}

}  // namespace

std::optional<ProcStatFigures> ParseProcStat(std::string_view text, std::int64_t ticks_per_second) {
  std::optional<std::uint64_t> idle_ticks;
  std::uint32_t processors = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    if (line.substr(0, 3) != "cpu") continue;
    line.remove_prefix(3);
    if (!line.empty() && IsDigit(line.front())) {
      if (processors == std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
      ++processors;
    } else if (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
      // A second all-processor line would make the figures ambiguous.
      if (idle_ticks) return std::nullopt;
      idle_ticks = IdleTicks(line);
      if (!idle_ticks) return std::nullopt;
    }
  }
  if (!idle_ticks || processors == 0) return std::nullopt;
  const std::optional<LargeCounter> idle_time = TicksToUnits(*idle_ticks, ticks_per_second);
  if (!idle_time) return std::nullopt;
  return ProcStatFigures{processors, *idle_time};
}

}  // namespace quorvel::cpu
