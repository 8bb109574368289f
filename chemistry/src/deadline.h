// When the exact arithmetic of one equation must give up.

#pragma once

#include <chrono>

namespace quorvel::chemistry::detail {

// When a computation gives up. The loops that may run long check it at every
// step, so that a hostile system costs its time limit and no more.
using Deadline = std::chrono::steady_clock::time_point;

inline bool Passed(Deadline deadline) { return std::chrono::steady_clock::now() > deadline; }

}  // namespace quorvel::chemistry::detail
