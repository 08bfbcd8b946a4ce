#!/usr/bin/env bash
# wineprefix.sh PREFIX: creates the Wine prefix once (about 9 s); concurrent callers wait for it.
set -uo pipefail
prefix=$1
[ -f "$prefix/.cvgui-ready-3" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.cvgui-ready-3" ] && exit 0
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.cvgui-ready-2" ]; then
  # wineboot starts the prefix's server; an interrupted set-up stops it again.
  trap 'wineserver -k </dev/null >/dev/null 2>&1; exit 130' INT
  trap 'wineserver -k </dev/null >/dev/null 2>&1; exit 143' TERM HUP
  wineboot -i </dev/null >/dev/null 2>&1 || { echo "wineprefix: wineboot failed for $prefix" >&2; exit 1; }
  # Wine's own Tahoma, the dialog font, is not found where Debian keeps it: give it to the prefix.
  # The Japanese templates' "MS UI Gothic" is drawn with IPA's proportional Gothic.
  fonts=$prefix/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/tahoma*.ttf "$fonts/" 2>/dev/null
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f \
    </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
  touch "$prefix/.cvgui-ready-2"
fi
# The fixed-pitch faces of the MIB descriptions: DejaVu's and IPA's monospaced fonts.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'DejaVu Sans Mono' /f \
  </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Gothic' /d 'IPAGothic' /f \
  </dev/null >/dev/null 2>&1
wineserver -w </dev/null >/dev/null 2>&1
touch "$prefix/.cvgui-ready-3"
