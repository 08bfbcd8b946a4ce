#!/usr/bin/env bash
# panelShots.sh [OUTDIR]: screenshots of the suite's panels under Wine, in English and under a
# Japanese locale: the "Nodes" dialog with its node list after a batch from the map and the
# warnings reporting the refusals (OUTDIR/native-nodelist-en.png, -ja.png), and "Describe Event"
# shrunk to the rows of an event (OUTDIR/native-describe-en.png, -ja.png); default OUTDIR: docs/.
# Needs a built Windows tree (make windows) and the Linux build's MIB database.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
build=${CVGUI_BUILD:-$top/build}/windows
out=$(realpath -m "${1:-$top/docs}")

if [ "${2:-}" != --inner ]; then
  mkdir -p "$out"
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "panelShots: cannot make the ja_JP.UTF-8 locale" >&2; exit 1; }
  fi
  exec "$top/scripts/xsession.sh" "$0" "$out" --inner
fi

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export CVMIBFILE=${CVMIBFILE:-$(dirname "$build")/linux/share/cvgui/mib.db}
"$top/scripts/wineprefix.sh" "$WINEPREFIX" || exit 1
wineserver -p </dev/null >/dev/null 2>&1

for lang in en ja; do
  for what in nodelist describe; do
    log=$(mktemp)
    arg=$([ $what = describe ] && echo describe || echo nodes)
    if [ $lang = ja ]; then
      LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$build/bin/native_panel_shots.exe" $arg >"$log" 2>&1 </dev/null &
    else
      env -u LANG -u LC_ALL wine "$build/bin/native_panel_shots.exe" $arg >"$log" 2>&1 </dev/null &
    fi
    pid=$!
    for _ in $(seq 1 300); do grep -q READY "$log" && break; sleep 0.1; done
    sleep 1
    xwd -root -display "$DISPLAY" | convert xwd:- -trim +repage "$out/native-$what-$lang.png"
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    rm -f "$log"
  done
done
wineserver -k </dev/null >/dev/null 2>&1
echo "shots: $out/native-nodelist-{en,ja}.png $out/native-describe-{en,ja}.png"
