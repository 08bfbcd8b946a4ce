#!/usr/bin/env bash
# shots.sh [OUTDIR]: screenshots of the native message windows under Wine, in English and under a
# Japanese locale, as OUTDIR/native-messages-en.png and -ja.png (default: docs/). Needs a built
# Windows tree; as root it generates the ja_JP.UTF-8 locale when it is missing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
build=${CVGUI_BUILD:-$top/build}/windows
out=$(realpath -m "${1:-$top/docs}")

if [ "${2:-}" != --inner ]; then
  mkdir -p "$out"
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "shots: cannot make the ja_JP.UTF-8 locale" >&2; exit 1; }
  fi
  exec "$top/scripts/xsession.sh" "$0" "$out" --inner
fi

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$top/scripts/wineprefix.sh" "$WINEPREFIX" || exit 1
# The program being shot and the persistent server go when the script ends, however it ends.
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; wineserver -k </dev/null >/dev/null 2>&1' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
wineserver -p </dev/null >/dev/null 2>&1

for lang in en ja; do
  log=$(mktemp)
  if [ $lang = ja ]; then
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$build/bin/native_shots.exe" $lang >"$log" 2>&1 </dev/null &
  else
    env -u LANG -u LC_ALL wine "$build/bin/native_shots.exe" $lang >"$log" 2>&1 </dev/null &
  fi
  pid=$!
  for _ in $(seq 1 200); do grep -q READY "$log" && break; sleep 0.1; done
  sleep 1
  xwd -root -display "$DISPLAY" | convert xwd:- -crop 720x440+0+0 +repage "$out/native-messages-$lang.png"
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null
  pid=
  rm -f "$log"
done
echo "shots: $out/native-messages-en.png $out/native-messages-ja.png"
