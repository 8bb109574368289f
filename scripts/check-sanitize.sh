#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs every test there. Any sanitizer report fails the test
# that caused it, and so the check.
#   scripts/check-sanitize.sh [BUILD_DIR]      (default: build-asan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-asan}
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh" base

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON \
  -DQUORVEL_BUILD_BENCH=OFF -DQUORVEL_BUILD_FUZZ=OFF >/dev/null
cmake --build "$build" -j "$jobs"

# Leaks are checked; only the Qt libraries' own start-up allocations, which
# they keep for the life of the process, are suppressed (see the file), and
# likewise the few reports that arise inside other system libraries.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$root/scripts/sanitize/asan-system.supp}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/sanitize/lsan-qt.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The window tests need no display.
export QT_QPA_PLATFORM=offscreen

ctest --test-dir "$build" --output-on-failure -j "$jobs"
