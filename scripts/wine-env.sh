# The one Wine environment of every check that runs Wine, sourced by
# scripts/check-windows*.sh:
#   source scripts/wine-env.sh
#   wine_prefix_new gui        # a fresh empty WINEPREFIX under /tmp
#   ...                        # "$wine" program, "$wineserver" -k, ...
#   wine_prefix_remove         # its server ended, the prefix gone
# A Wine run writes into its prefix and nowhere else: winemenubuilder.exe,
# which Wine starts with every new prefix and installer to copy menu entries
# and icons into the user's ~/.local/share and ~/.config/menus, is switched
# off. Wine's own errors stay on standard error, for the logs; its FIXME
# notes (hundreds of lines of what it leaves unimplemented) do not.

wine=$(command -v wine64 || true)
[ -n "$wine" ] || [ ! -x /usr/lib/wine/wine64 ] || wine=/usr/lib/wine/wine64
[ -n "$wine" ] || wine=$(command -v wine)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINEDEBUG=fixme-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine's server keeps its socket and lock in a folder of its own under
# TMPDIR, and leaves that folder behind: TMPDIR is a folder of the prefix
# while the prefix lives.
wine_prefix_new() { # name
  WINEPREFIX=$(mktemp -d "/tmp/quorvel-wine-$1.XXXXXX")
  export WINEPREFIX
  wine_tmpdir_before=${TMPDIR-}
  mkdir "$WINEPREFIX/tmp"
  export TMPDIR="$WINEPREFIX/tmp"
}

wine_prefix_remove() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  unset WINEPREFIX
  if [ -n "${wine_tmpdir_before-}" ]; then TMPDIR=$wine_tmpdir_before; else unset TMPDIR; fi
}

# The faces the window asks for, each pinned to a font that
# scripts/install-deps.sh installs. Without this Wine picks a stand-in from
# whatever fontconfig offers, and one more installed font changes the result:
# with fonts-droid-fallback (which imagemagick pulls in through ghostscript)
# 微软雅黑 became Droid Sans Fallback, one pixel taller at the same size. A
# substitute wins over any font of that name, installed or not; SimSun (宋体)
# is the face Wine falls back to for Chinese and the window's default face in
# a Chinese locale. The Win32 tests read these entries back and check that
# each face is drawn from its pinned font.
wine_pinned_faces=(
  "微软雅黑=WenQuanYi Micro Hei"
  "Microsoft YaHei=WenQuanYi Micro Hei"
  "SimSun=WenQuanYi Micro Hei"
  "宋体=WenQuanYi Micro Hei"
  "Verdana=WenQuanYi Micro Hei"
  # The face Windows' text layout (and Wine's) falls back to for a Latin
  # character the box's face lacks: the superscript minus of "4e⁻" in the
  # 详解 pane, which WenQuanYi Micro Hei has no glyph for.
  "Microsoft Sans Serif=DejaVu Sans"
)

# After wineboot, with the Wine command to use: wine_pin_faces "$wine"
wine_pin_faces() {
  local entries=$WINEPREFIX/pinned-faces.reg pin
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    for pin in "${wine_pinned_faces[@]}"; do
      printf '"%s"="%s"\r\n' "${pin%%=*}" "${pin#*=}"
    done
  } | iconv -f UTF-8 -t UTF-16 >"$entries"
  # Wine maps the root of the file system to drive Z:.
  "$@" reg import "Z:${entries//\//\\}" >/dev/null 2>&1 || {
    echo "wine-env: the font substitutes could not be written" >&2
    return 1
  }
}

# Wine's own error lines ("002c:err:wineboot:...", as when a new server
# session runs the prefix's start-up commands) share a program's standard
# error: a filter that passes the program's lines on and shows Wine's on
# standard error, so that a check compares only what the program said.
without_wine_lines() {
  local line
  while IFS= read -r line || [ -n "$line" ]; do
    if [[ "$line" =~ ^[0-9a-f]{4}:[a-z]+: ]]; then
      echo "wine: $line" >&2
    else
      printf '%s\n' "$line"
    fi
  done
}

# What of the user's home a Wine run could write to: the folders of desktop
# entries, icons, menus and MIME types, the fontconfig cache, and a default
# prefix. One line per file: path, size and modification time.
home_snapshot() {
  local places=("$HOME/.local/share" "$HOME/.config/menus" "$HOME/.cache/fontconfig"
    "$HOME/.wine" "$HOME/Desktop")
  local place
  for place in "${places[@]}"; do
    [ ! -e "$place" ] || find "$place" -printf '%p %s %T@\n' 2>/dev/null
  done | sort
}
