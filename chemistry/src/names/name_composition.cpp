// The composition a candidate name reads as, remembered across calls.

#include "name_composition.h"

#include <mutex>
#include <unordered_map>

#include "name_rules.h"

namespace quorvel::chemistry::names {
namespace {

// Candidate names come from the tables of parts (cations × anions, number
// words up to 九十九), so the map stays small; the bound only guards memory
// should a caller ever name something else.
constexpr std::size_t kMostRemembered = 1 << 16;

}  // namespace

std::optional<Composition> CompositionOfName(const std::string& name) {
  static std::mutex mutex;
  static std::unordered_map<std::string, std::optional<Composition>> remembered;
  {
    const std::lock_guard lock(mutex);
    if (const auto found = remembered.find(name); found != remembered.end()) return found->second;
  }
  const std::optional<std::string> formula = BuildFormula(name);
  std::optional<Composition> composition = formula ? CompositionOf(*formula) : std::nullopt;
  const std::lock_guard lock(mutex);
  if (remembered.size() >= kMostRemembered) remembered.clear();
  remembered.emplace(name, composition);
  return composition;
}

}  // namespace quorvel::chemistry::names
