#!/usr/bin/env bash
# listShots.sh [OUTDIR]: screenshots of a dialog built with the native list API (a reorderable
# list and a message log) and of the save dialog over it, under Wine, as OUTDIR/native-list.png
# and OUTDIR/native-save.png (default: docs/). Needs a built Windows tree.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
build=${CVGUI_BUILD:-$top/build}/windows
out=$(realpath -m "${1:-$top/docs}")

if [ "${2:-}" != --inner ]; then
  mkdir -p "$out"
  exec "$top/scripts/xsession.sh" "$0" "$out" --inner
fi

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$top/scripts/wineprefix.sh" "$WINEPREFIX" || exit 1
# The program being shot and the persistent server go when the script ends, however it ends.
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; wineserver -k </dev/null >/dev/null 2>&1' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
wineserver -p </dev/null >/dev/null 2>&1

# shot NAME ARG TITLE: runs the program, waits for a window titled TITLE, saves the screen.
shot() {
  local log
  log=$(mktemp)
  wine "$build/bin/native_list_shots.exe" "$2" >"$log" 2>&1 </dev/null &
  pid=$!
  for _ in $(seq 1 600); do xwininfo -root -tree 2>/dev/null | grep -q "\"$3\"" && break; sleep 0.1; done
  sleep 1
  xwd -root -display "$DISPLAY" | convert xwd:- -trim +repage "$out/$1"
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null
  pid=
  rm -f "$log"
}

shot native-list.png list "Event Sources"
shot native-save.png save "Save Messages"
echo "shots: $out/native-list.png $out/native-save.png"
