#pragma once

// The console's exit statuses, the same in every mode.
inline constexpr int kExitBalanced = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Input that is not valid UTF-8 outranks an equation that failed.
inline int ExitStatusFor(bool any_failed, bool any_bad_input) {
  if (any_bad_input) return kExitUsage;
  return any_failed ? kExitFailed : kExitBalanced;
}
