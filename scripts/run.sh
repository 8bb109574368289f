#!/usr/bin/env bash
# Starts the window, or the console front end where there is no window.
set -euo pipefail
build=${1:-build}
if [ -x "$build/ui/quorvel" ]; then
  exec "$build/ui/quorvel"
fi
echo "The window is not built yet; starting the console front end (one equation per line)."
exec "$build/engine/cli/quorvel-cli"
