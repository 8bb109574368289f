#!/usr/bin/env bash
# The window program under Wine on a virtual X display: quorvel_window_driver
# drives the real quorvel.exe at 96 dpi (layout and behaviour) and again at
# 144 dpi (layout), and quorvel.exe started without any display must end
# with status 1 instead of waiting for ever. Called by check-windows.sh after
# the cross-build.
#   scripts/check-windows-gui.sh [BUILD_DIR]      (default: build-win)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-win}" && pwd)

find_built() { find "$build" -name "$1" -not -path '*/CMakeFiles/*' | head -n 1; }
program=$(find_built quorvel.exe)
driver=$(find_built quorvel_window_driver.exe)
parts=$(find_built quorvel_win32_tests.exe)
if [ -z "$program" ] || [ -z "$driver" ] || [ -z "$parts" ]; then
  echo "check-windows-gui: quorvel.exe, quorvel_window_driver.exe or quorvel_win32_tests.exe" \
    "was not built" >&2
  exit 1
fi

source "$root/scripts/wine-env.sh"
# Chinese as the user's language makes Wine draw the Chinese of the faces it
# has to stand in for (Verdana) with a Chinese font. Only Wine is told: this
# machine need not have that locale.
unset LC_ALL LC_CTYPE LC_MESSAGES WAYLAND_DISPLAY DISPLAY
wine=(env LANG=zh_CN.UTF-8 "$wine")

# A fresh Wine and display of our own, both ended and removed on every path.
wine_prefix_new gui
xvfb_pid=""
cleanup() {
  wine_prefix_remove
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

started=$(date +%s)
echo "check-windows-gui: preparing Wine in $WINEPREFIX"
timeout 180 "${wine[@]}" wineboot --init >"$build/wineboot-gui.log" 2>&1 || {
  cat "$build/wineboot-gui.log"
  echo "check-windows-gui: Wine could not start" >&2
  exit 1
}
wine_pin_faces "${wine[@]}"
# Wine draws the frames itself: without a window manager, a window left to
# one takes seconds to go away.
"${wine[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

failed=0
# No display at all: the program says so and ends.
status=0
(cd "$(dirname "$program")" && timeout 60 "${wine[@]}" "$program") >"$build/quorvel-no-display.log" 2>&1 ||
  status=$?
if [ "$status" -eq 1 ]; then
  echo "check-windows-gui: quorvel.exe without a display ends with status 1"
else
  cat "$build/quorvel-no-display.log"
  echo "check-windows-gui: quorvel.exe without a display ended with status $status, want 1" >&2
  failed=1
fi
"$wineserver" -k >/dev/null 2>&1 || true
"$wineserver" -w >/dev/null 2>&1 || true

# Xvfb picks a free display and names it on the descriptor it is given.
# -noreset: by default an X server resets itself whenever its last client
# leaves, and drops a client that connects during that reset (59 of 600
# short clients here on a loaded machine). Between two steps below every Wine
# process, and so every client, is ended; a program of the next step that
# connected into the reset lost its display at once and ended without a word
# of its own (Wine's "X connection broken" is one of the error messages that
# WINEDEBUG=-all used to hide): an empty driver log after a few seconds.
display_file="$WINEPREFIX/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" \
  >"$build/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || { echo "check-windows-gui: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_file")"

run_driver() { # dpi
  local dpi=$1 log="$build/quorvel_window_driver_$1.log"
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
  "${wine[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  # From the driver's own folder, on Wine's Z: drive, so the absolute build
  # path of quorvel.exe compiled into it resolves to this file system.
  local status=0
  (cd "$(dirname "$driver")" && timeout 240 "${wine[@]}" "$driver" --dpi="$dpi" --gtest_brief=1) \
    >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    echo "check-windows-gui: window at $dpi dpi: $(grep -E '^\[  PASSED  \]' "$log" | tr -d '\r')"
    # The window's answer times and close time under Wine, judged by the driver.
    grep -E '^(pasted|closed|drawn) ' "$log" | tr -d '\r' | sed 's/^/check-windows-gui: /' || true
  else
    cat "$log"
    echo "check-windows-gui: the window at $dpi dpi FAILED under Wine (status $status)" >&2
    failed=1
  fi
}
# The window's parts that need real windows (skipped by the run without a
# display in check-windows.sh).
parts_log="$build/quorvel_win32_tests_display.log"
if (cd "$(dirname "$parts")" && timeout 120 "${wine[@]}" "$parts" --gtest_brief=1 \
  --gtest_filter='HeldText.*:LongTextBox/HandOverTest.*:BridgeViewTest.*') >"$parts_log" 2>&1; then
  echo "check-windows-gui: text boxes on the display: $(grep -E '^\[  PASSED  \]' "$parts_log" | tr -d '\r')"
else
  cat "$parts_log"
  echo "check-windows-gui: the text boxes FAILED on the display" >&2
  failed=1
fi
run_driver 96
run_driver 144

echo "check-windows-gui: took $(($(date +%s) - started)) s"
[ "$failed" -eq 0 ] || exit 1
