#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on) and runs each for a bounded time, starting from the seed
# corpus in fuzz/corpus/<target>/. Fails on any crash, sanitizer report,
# broken invariant, timeout or excess memory.
#   scripts/check-fuzz.sh              every target, FUZZ_SECONDS (60) each
#   FUZZ_SECONDS=10 scripts/check-fuzz.sh fuzz_balance
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_balance fuzz_count_atoms fuzz_chemistry)

bash "$root/scripts/install-deps.sh" base fuzz

# A build tree configured earlier with another compiler keeps it: start afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_BUILD_FUZZ=ON -DQUORVEL_BUILD_UI=OFF -DQUORVEL_BUILD_TESTS=OFF \
  -DQUORVEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in "${targets[@]}"; do
  seeds="$root/fuzz/corpus/$target"
  work="$build/fuzz-run/$target"
  artifacts="$build/fuzz-artifacts/$target"
  log="$build/fuzz-run/$target.log"
  mkdir -p "$work" "$artifacts"
  echo "check-fuzz: $target for ${seconds}s"
  # New units go to the working corpus in the build tree; the seeds in the
  # repository are only read.
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix="$artifacts/" \
      "$work" "$seeds" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
    # libFuzzer's own figure is in whole seconds: time every unit of the
    # corpus once more, one by one, for the longest run in milliseconds.
    slowest=$(find "$work" -type f -print0 |
      xargs -0 -r "$build/fuzz/$target" 2>&1 |
      sed -n 's/^Executed \(.*\) in \([0-9]*\) ms$/\2 ms (\1)/p' | sort -rn | sed -n 1p)
    echo "check-fuzz: $target passed: $runs executions, peak RSS ${rss} MB," \
      "longest unit ${slowest:-unknown}"
  else
    status=1
    echo "check-fuzz: $target FAILED; the last lines of $log:" >&2
    grep -v -e '^"' -e '^#[0-9]' "$log" | tail -n 40 >&2
    ls "$artifacts" >&2 || true
  fi
done
exit $status
