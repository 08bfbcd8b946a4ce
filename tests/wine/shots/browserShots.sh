#!/usr/bin/env bash
# browserShots.sh [OUTDIR]: screenshots of the native MIB browser (tools/mibbrowser) with a
# description window beside it, over the standard MIB that the Linux build compiled:
# OUTDIR/native-mibbrowser-en.png (an object with enumerations), -ja.png (the same under a
# Japanese locale: the description window's template is Japanese) and
# native-describe-expression-en.png (default OUTDIR: docs/). Needs both built trees.
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
export CVMIBFILE=$build/linux/share/cvgui/mib.db CVEXPRFILE=$top/suite/cvutil/data/expressions.txt
"$top/scripts/wineprefix.sh" "$WINEPREFIX" || exit 1
wineserver -p </dev/null >/dev/null 2>&1

shot() { # NAME LANG OBJECT
  log=$(mktemp)
  if [ "$2" = ja ]; then
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$build/windows/bin/mibbrowser.exe" -ready -describe "$3" \
      >"$log" 2>&1 </dev/null &
  else
    env -u LANG -u LC_ALL wine "$build/windows/bin/mibbrowser.exe" -ready -describe "$3" >"$log" 2>&1 </dev/null &
  fi
  pid=$!
  for _ in $(seq 1 600); do grep -q 'mibbrowser: ready' "$log" && break; sleep 0.1; done
  xwd -root -display "$DISPLAY" | convert xwd:- -trim +repage "$out/$1.png"
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null
  rm -f "$log"
}
shot native-mibbrowser-en en .iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifType
shot native-mibbrowser-ja ja .iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifType
shot native-describe-expression-en en ifInUtilization
wineserver -k </dev/null >/dev/null 2>&1
echo "shots: $out/native-mibbrowser-en.png $out/native-mibbrowser-ja.png $out/native-describe-expression-en.png"
