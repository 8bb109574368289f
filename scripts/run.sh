#!/usr/bin/env bash
# Starts the window. Without a display it says so in one line and points to
# the console front end instead of letting the toolkit abort.
#   scripts/run.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
# CMake writes where it put the programs; nothing here repeats those paths.
programs="$build/programs.txt"
if [ ! -f "$programs" ]; then
  echo "run: $build is not configured; run make run from the source folder" >&2
  exit 2
fi
window=$(sed -n 's/^window=//p' "$programs")
cli=$(sed -n 's/^cli=//p' "$programs")
if [ -z "$window" ]; then
  echo "run: the window was not built (Qt 6 missing?); use the console front end: $cli" >&2
  exit 1
fi
if [ ! -x "$window" ]; then
  echo "run: $window is missing; build it first (make run builds, then starts it)" >&2
  exit 1
fi
case "$(uname -s)" in
  Linux | *BSD)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "run: no graphical display (neither X11 nor Wayland); use the console front end: $cli \"H2 + O2 = H2O\"" >&2
      exit 1
    fi
    ;;
esac
exec "$window"
