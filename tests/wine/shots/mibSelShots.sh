#!/usr/bin/env bash
# mibSelShots.sh [OUTDIR]: screenshots of the MIB selector in a tool's dialog under Wine, with the
# standard MIB that the Linux build compiled, in English and under a Japanese locale, as
# OUTDIR/native-mibsel-en.png and -ja.png (default: docs/). Needs both built trees; as root it
# generates the ja_JP.UTF-8 locale when it is missing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
build=${CVGUI_BUILD:-$top/build}
out=$(realpath -m "${1:-$top/docs}")

if [ "${2:-}" != --inner ]; then
  mkdir -p "$out"
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "shots: cannot make the ja_JP.UTF-8 locale" >&2; exit 1; }
  fi
  exec "$top/scripts/xsession.sh" "$0" "$out" --inner
fi

export WINEPREFIX=$build/windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export CVMIBFILE=$build/linux/share/cvgui/mib.db
"$top/scripts/wineprefix.sh" "$WINEPREFIX" || exit 1
wineserver -p </dev/null >/dev/null 2>&1

for lang in en ja; do
  log=$(mktemp)
  if [ $lang = ja ]; then
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$build/windows/bin/native_mibsel_shots.exe" >"$log" 2>&1 </dev/null &
  else
    env -u LANG -u LC_ALL wine "$build/windows/bin/native_mibsel_shots.exe" >"$log" 2>&1 </dev/null &
  fi
  pid=$!
  for _ in $(seq 1 300); do grep -q READY "$log" && break; sleep 0.1; done
  sleep 1
  xwd -root -display "$DISPLAY" | convert xwd:- -trim +repage "$out/native-mibsel-$lang.png"
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null
  rm -f "$log"
done
wineserver -k </dev/null >/dev/null 2>&1
echo "shots: $out/native-mibsel-en.png $out/native-mibsel-ja.png"
