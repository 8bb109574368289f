#!/usr/bin/env bash
# Cross-builds the engine, the chemistry library, the CPU sampler,
# quorvel-cli.exe, the Win32 window quorvel.exe and their tests for 64-bit
# Windows with MinGW-w64, packs the Windows download (portable zip and
# installer) beside the programs in the build folder, then runs every test
# program under Wine, quorvel-cli.exe itself with non-ASCII equations on Wine's
# command line in both its readings and its chemistry failures in English and
# Chinese, the window on a virtual display
# (check-windows-gui.sh), and the download's install and uninstall
# (check-windows-download.sh).
#   scripts/check-windows.sh [BUILD_DIR]      (default: build-win)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Absolute: the tests run from their own folders.
build=$(realpath -m "${1:-$root/build-win}")
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh" windows

echo "check-windows: configuring $build"
cmake -S "$root" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_PROJECT_Quorvel_INCLUDE="$root/cmake/mingw-w64-packages.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQUORVEL_BUILD_UI=ON -DQUORVEL_BUILD_TESTS=ON \
  -DQUORVEL_BUILD_BENCH=OFF -DQUORVEL_BUILD_FUZZ=OFF -DQUORVEL_SANITIZE=OFF >/dev/null
echo "check-windows: building"
# The programs at the top of the build folder are what the download must
# hold: none may be left from an earlier configuration.
rm -f "$build/quorvel.exe" "$build/quorvel-cli.exe"
cmake --build "$build" -j "$jobs" >"$build/build.log" 2>&1 || {
  tail -n 60 "$build/build.log"
  echo "check-windows: the cross-build failed (full log: $build/build.log)" >&2
  exit 1
}
# The project's own code must build cleanly for Windows too. Warnings that
# the compiler reports inside its own headers (GCC 12's -Wrestrict false
# positives in libstdc++) are shown but not held against the project.
if grep -q "^$root/[^:]*:[0-9]*:[0-9]*: warning:" "$build/build.log"; then
  grep "^$root/[^:]*:[0-9]*:[0-9]*: warning:" "$build/build.log" | sort -u
  echo "check-windows: the cross-build has warnings" >&2
  exit 1
fi
grep ': warning:' "$build/build.log" | sort -u || true

echo "check-windows: packing the download"
rm -rf "$build/_CPack_Packages" "$build"/quorvel-*-win64.zip "$build"/quorvel-*-win64-setup.exe
(cd "$build" && cpack -G "ZIP;NSIS") >"$build/package.log" 2>&1 || {
  cat "$build/package.log"
  echo "check-windows: packing the download failed" >&2
  exit 1
}
# Only the packages stay: the staging copies of the programs would be found
# below in place of the real ones.
rm -rf "$build/_CPack_Packages"
wine_started=$SECONDS

# A Wine of our own, made fresh and removed at the end, so nothing left by an
# earlier run (or by a user's ~/.wine) changes the result. No display: the
# programs under test are console programs.
source "$root/scripts/wine-env.sh"
# Nothing of a Wine run may land in the user's home: what is there now must
# be there, unchanged, after the last Wine run.
home_before=$(home_snapshot)
wine_prefix_new tests
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
trap wine_prefix_remove EXIT

echo "check-windows: preparing Wine in $WINEPREFIX"
timeout 180 "$wine" wineboot --init >"$build/wineboot.log" 2>&1 || {
  cat "$build/wineboot.log"
  echo "check-windows: Wine could not start" >&2
  exit 1
}
wine_pin_faces "$wine"
# Keep one server running across the programs: each start is then quick.
"$wineserver" -p 60 >/dev/null 2>&1 || true

# Statically linked: a program that needs a DLL of the toolchain would run
# here only by luck, so none may.
mapfile -t programs < <(find "$build" -name '*.exe' -not -path '*/_googletest/*' \
  -not -path '*/CMakeFiles/*' | sort)
for shipped in quorvel.exe quorvel-cli.exe; do
  printf '%s\n' "${programs[@]}" | grep -q "/$shipped\$" || {
    echo "check-windows: $shipped was not built" >&2
    exit 1
  }
done
for exe in "${programs[@]}"; do
  if x86_64-w64-mingw32-objdump -p "$exe" | grep -qiE 'DLL Name: (libstdc\+\+|libgcc|libwinpthread)'; then
    echo "check-windows: $(basename "$exe") needs a MinGW runtime DLL" >&2
    exit 1
  fi
done

failed=0
mapfile -t tests < <(find "$build/tests" -name '*_tests.exe' -not -path '*/CMakeFiles/*' | sort)
[ ${#tests[@]} -gt 0 ] || { echo "check-windows: no test programs were built" >&2; exit 1; }
for exe in "${tests[@]}"; do
  name=$(basename "$exe" .exe)
  # Run from the program's own folder, on Wine's Z: drive, so the absolute
  # build paths compiled into the tests resolve to this file system.
  if (cd "$(dirname "$exe")" && timeout 600 "$wine" "$exe" --gtest_brief=1) >"$build/$name.log" 2>&1; then
    echo "check-windows: $name: $(grep -E '^\[  PASSED  \]' "$build/$name.log" | tr -d '\r')"
  else
    cat "$build/$name.log"
    echo "check-windows: $name FAILED under Wine" >&2
    failed=1
  fi
done

# The live reading from the Windows counters (through Wine's ntdll), as the
# window's label would show it: shown, not judged; the cpu tests judge it.
probe=$(find "$build" -name quorvel_cpu_probe.exe -not -path '*/CMakeFiles/*' | head -n 1)
if [ -n "$probe" ]; then
  timeout 60 "$wine" "$probe" 2 2>&1 | tr -d '\r' | sed 's/^/check-windows: cpu probe: /' || {
    echo "check-windows: quorvel_cpu_probe.exe failed" >&2
    failed=1
  }
fi

# The command line as a user types it: Wine hands these UTF-8 arguments to
# the program as UTF-16, which quorvel-cli.exe turns back into UTF-8.
cli=$build/quorvel-cli.exe
failure_text='方程式配平失败！可能是输入错误或输入的方程式太复杂导致！'
check_cli() { # expected-output expected-status argument...
  local want=$1 want_status=$2 got status=0
  shift 2
  got=$(timeout 60 "$wine" "$cli" "$@" 2>/dev/null) || status=$?
  if [ "$got" == "$want" ] && [ "$status" -eq "$want_status" ]; then
    echo "check-windows: quorvel-cli.exe $* -> $got"
  else
    echo "check-windows: quorvel-cli.exe $*: got '$got' (exit $status), want '$want' (exit $want_status)" >&2
    failed=1
  fi
}
check_cli "2H2+O2=2H2O" 0 "H2 + O2 = H2O"
check_cli "4Fe+3O2=2Fe2O3" 0 "Fe＋O2=Fe2O3"
check_cli "Ca(OH)2+CO2=CaCO3+H2O" 0 "Ca（OH）2＋CO2=CaCO3+H2O"
check_cli "$failure_text" 1 "甲+乙=丙"
check_cli "2H₂ + O₂ → 2H₂O" 0 --chemistry "H₂ + O₂ → H₂O"
check_cli "Ca（OH）2 + 2HCl ＝ CaCl2 + 2H2O" 0 --chemistry "Ca（OH）2 ＋ HCl ＝ CaCl2 ＋ H2O"
check_cli "Fe³⁺ + e⁻ ⇌ Fe²⁺" 0 --chemistry "Fe³⁺ + e⁻ ⇌ Fe²⁺"
check_cli "10K4Fe(CN)6 + 122KMnO4 + 299H2SO4 = 162KHSO4 + 5Fe2(SO4)3 + 122MnSO4 + 60HNO3 + 60CO2 + 188H2O" 0 \
  --chemistry "K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O"

# Why a chemistry equation failed, in the user's display language, which
# Wine takes from the locale variables.
check_cli_reason() { # locale expected-standard-error argument...
  local locale=$1 want=$2 got
  shift 2
  got=$(LANG=$locale LC_ALL=$locale timeout 60 "$wine" "$cli" "$@" 2>&1 >/dev/null | tr -d '\r' |
    without_wine_lines) || true
  if [ "$got" == "$want" ]; then
    echo "check-windows: quorvel-cli.exe $* in $locale -> $got"
  else
    echo "check-windows: quorvel-cli.exe $* in $locale: got '$got', want '$want'" >&2
    failed=1
  fi
}
check_cli_reason C.UTF-8 "quorvel-cli: equation argument 1: N appears only among the products" \
  --chemistry "H2 + O2 = H2O + N2"
check_cli_reason zh_CN.UTF-8 "quorvel-cli: 第 1 个方程式参数: N 只出现在生成物中" \
  --chemistry "H2 + O2 = H2O + N2"

# While this Wine's server still runs; the window gets a Wine of its own.
bash "$root/scripts/check-windows-download.sh" "$build" "$wine" || failed=1
bash "$root/scripts/check-windows-gui.sh" "$build" || failed=1

echo "check-windows: the checks under Wine took $((SECONDS - wine_started)) s"
wine_prefix_remove
home_after=$(home_snapshot)
if [ "$home_before" != "$home_after" ]; then
  diff <(echo "$home_before") <(echo "$home_after") | sed 's/^/check-windows: home: /' >&2 || true
  echo "check-windows: the Wine runs changed the user's home ($HOME)" >&2
  failed=1
else
  echo "check-windows: the user's home is as it was (~/.local/share, ~/.config/menus," \
    "~/.cache/fontconfig, ~/.wine, ~/Desktop)"
fi
if [ "$failed" -ne 0 ]; then
  echo "check-windows: FAILED" >&2
  exit 1
fi
echo "check-windows: all Windows checks passed"
