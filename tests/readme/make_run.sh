#!/usr/bin/env bash
# `make run` as the README promises it: on a display it opens the window
# titled Quorvel1.2; with no display at all it says so in one line that
# names the console program, and fails.
#   make_run.sh SOURCE_DIR BUILD_DIR window|no-display
set -uo pipefail
source_dir=$1 build=$2 case=$3
work=$(mktemp -d)
server_pid="" run_pid=""
cleanup() {
  [ -z "$run_pid" ] || kill -- "-$run_pid" 2>/dev/null || true
  [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "make run: $*"; [ ! -f "$work/out" ] || sed 's/^/  | /' "$work/out"; exit 1; }

# The user's own folders stay untouched, and no other window test's
# instance can refuse this one.
mkdir -m 700 "$work/runtime" "$work/home"
run_make() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/config" \
    "$@" make -s -C "$source_dir" run BUILD="$build" CMAKE_ARGS= JOBS=1 >"$work/out" 2>&1
}

case $case in
  no-display)
    run_make && fail "succeeded without a display"
    message=$(grep '^run: ' "$work/out") || fail "gave no message of its own"
    [ "$(wc -l <<<"$message")" -eq 1 ] || fail "said more than one line"
    cli=$(grep -o '[^ ]*/quorvel-cli' <<<"$message") || fail "named no console program"
    [ -x "$cli" ] || fail "named $cli, which is not there"
    echo "$message"
    ;;
  window)
    command -v Xvfb >/dev/null && command -v xwininfo >/dev/null ||
      { echo "Xvfb or xwininfo is missing"; exit 1; }
    exec 3>"$work/display"
    # A bare server that resets when its last client leaves, like the one
    # xvfb-run starts: the window must open on it all the same.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    server_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    display=":$(head -n 1 "$work/display")"
    [ "$display" != ":" ] || fail "Xvfb did not start"
    setsid bash -c "$(declare -f run_make); work='$work' source_dir='$source_dir' build='$build' run_make DISPLAY='$display'" &
    run_pid=$!
    # The build is already done; what remains is a check of it and the start.
    # The server is left alone until the window has had time to connect:
    # each poll is a client of its own that would reset the bare server.
    window=$(sed -n 's/^window=//p' "$build/programs.txt")
    for _ in $(seq 600); do
      pgrep -f -x "$window" >/dev/null && break
      kill -0 "$run_pid" 2>/dev/null || fail "ended without a window"
      sleep 0.2
    done
    sleep 3
    for _ in $(seq 300); do
      if xwininfo -display "$display" -root -tree 2>/dev/null | grep -q '"Quorvel1\.2"'; then
        echo "make run opened the window Quorvel1.2 on $display"
        exit 0
      fi
      kill -0 "$run_pid" 2>/dev/null || fail "ended without a window"
      sleep 0.2
    done
    fail "no window titled Quorvel1.2 within a minute of its start"
    ;;
  *) echo "usage: make_run.sh SOURCE_DIR BUILD_DIR window|no-display"; exit 2 ;;
esac
