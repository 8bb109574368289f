#!/usr/bin/env bash
# Checks the Windows download that `cpack` left in the build folder, under the
# Wine prefix that scripts/check-windows.sh prepared (WINEPREFIX, with its
# wineserver running):
# - the portable zip holds the programs, the readme and the web page (when
#   it was built), and its console program runs from wherever the zip is
#   unpacked;
# - the installer installs silently (/S) exactly those files and an
#   uninstaller, a Start-menu shortcut that starts the window with its icon,
#   and an uninstall entry; the installed console program runs;
# - its uninstaller, run silently, removes all of it again.
#   scripts/check-windows-download.sh BUILD_DIR WINE
set -euo pipefail
# The project's Wine settings, for a run of this script on its own too.
source "$(dirname "$0")/wine-env.sh"
build=$(cd "$1" && pwd)
wine=$2
failed=0
fail() {
  echo "check-windows: download: $*" >&2
  failed=1
}
# Exactly one of each package: check-windows.sh removes old ones first.
zip=$(ls "$build"/quorvel-*-win64.zip)
setup=$(ls "$build"/quorvel-*-win64-setup.exe)
echo "check-windows: download: $(basename "$zip") $(stat -c %s "$zip") bytes," \
  "$(basename "$setup") $(stat -c %s "$setup") bytes"

# What the build made is what the download must hold.
shipped=(quorvel-cli.exe readme.txt)
[ ! -f "$build/quorvel.exe" ] || shipped+=(quorvel.exe)
# The web page ships beside the programs when `make web` built it first.
page=$(sed -n 's/^QUORVEL_WEB_PAGE:FILEPATH=//p' "$build/CMakeCache.txt")
[ ! -f "$page" ] || shipped+=(quorvel.html)
mapfile -t shipped < <(printf '%s\n' "${shipped[@]}" | sort)

run_cli() { # windows-path-of-quorvel-cli.exe: balances one equation with it
  local got
  got=$(timeout 60 "$wine" "$1" "Fe＋O2=Fe2O3" 2>/dev/null | tr -d '\r') || true
  [ "$got" == "4Fe+3O2=2Fe2O3" ] || fail "$1 answered '$got'"
}

# --- The portable zip --------------------------------------------------------
top=$(basename "$zip" .zip)
listed=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
wanted=$(printf "$top/%s\n" "${shipped[@]}")
[ "$listed" == "$wanted" ] || fail "the zip holds
$listed
instead of
$wanted"
portable="$WINEPREFIX/drive_c/portable"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")
run_cli "C:\\portable\\$top\\quorvel-cli.exe"
rm -rf "$portable"

# --- The installer -----------------------------------------------------------
installed="$WINEPREFIX/drive_c/Program Files/Quorvel"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
timeout 120 "$wine" "$setup" /S >/dev/null 2>&1 || fail "the installer failed"
got=$(ls "$installed" 2>/dev/null | sort | tr '\n' ' ')
wanted=$(printf '%s\n' "${shipped[@]}" Uninstall.exe | sort | tr '\n' ' ')
[ "$got" == "$wanted" ] || fail "installed '$got' instead of '$wanted'"
run_cli 'C:\Program Files\Quorvel\quorvel-cli.exe'
"$wine" reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
  fail "no uninstall entry"
# All users' Start menu when installed as an administrator, as under Wine.
menu=$(find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -type d \
  -path '*/Start Menu/Programs/Quorvel' 2>/dev/null | head -n 1)
[ -n "$menu" ] && [ -f "$menu/Uninstall.lnk" ] || fail "no Start-menu folder with an uninstaller"
if [ -f "$build/quorvel.exe" ]; then
  probe="$build/tests/install/quorvel_shortcut_probe.exe"
  got=$(timeout 60 "$wine" "$probe" "$(sed "s|^$WINEPREFIX/drive_c|C:|; s|/|\\\\|g" \
    <<<"$menu/Quorvel.lnk")" 2>&1 | tr -d '\r' | without_wine_lines) || true
  wanted='target: C:\Program Files\Quorvel\quorvel.exe
arguments: 
folder: C:\Program Files\Quorvel
icon: C:\Program Files\Quorvel\quorvel.exe,0 IDI_ICON1
comment: 化学方程式配平工具'
  [ "$got" == "$wanted" ] || fail "the Start-menu shortcut reads
$got
instead of
$wanted"
fi

# --- The uninstaller ---------------------------------------------------------
# It copies itself away and removes the folder from there: wait for that.
timeout 60 "$wine" 'C:\Program Files\Quorvel\Uninstall.exe' /S >/dev/null 2>&1 ||
  fail "the uninstaller failed"
for _ in $(seq 1 300); do
  [ -e "$installed" ] || [ -e "${menu:-}" ] || break
  sleep 0.2
done
[ ! -e "$installed" ] || fail "left behind: $(ls "$installed" | tr '\n' ' ')"
[ -z "${menu:-}" ] || [ ! -e "$menu" ] || fail "left the Start-menu folder behind"
if "$wine" reg query "$uninstall_key" >/dev/null 2>&1; then fail "left the uninstall entry behind"; fi

if [ "$failed" -ne 0 ]; then exit 1; fi
checked="zip, silent install, silent uninstall"
[ ! -f "$build/quorvel.exe" ] || checked+=", the window's Start-menu shortcut"
echo "check-windows: download: checked $checked"
