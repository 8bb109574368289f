// A bounded, thread-safe memo for pure functions the details call again and again.

#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

#include "quorvel/chemistry/equation.h"

namespace quorvel::chemistry::detail {

// Remembers `compute(key)` for each key. The bound only guards memory: when
// it is reached the memo starts afresh. The value is worked out outside the
// lock, so a compute that asks another memo cannot deadlock.
template <class Value>
class Remembered {
 public:
  explicit Remembered(std::size_t most) : most_(most) {}

  template <class Compute>
  Value Get(const std::string& key, Compute compute) {
    {
      const std::lock_guard lock(mutex_);
      if (const auto found = values_.find(key); found != values_.end()) return found->second;
    }
    Value value = compute();
    const std::lock_guard lock(mutex_);
    if (values_.size() >= most_) values_.clear();
    values_.emplace(key, value);
    return value;
  }

 private:
  std::size_t most_;
  std::mutex mutex_;
  std::unordered_map<std::string, Value> values_;
};

// A species' atoms (element, mass number, count, in order) and charge as a
// key of raw bytes: cpp_int's decimal text costs more than most of what a
// memo saves.
std::string AtomsKey(const Species& species);

}  // namespace quorvel::chemistry::detail
