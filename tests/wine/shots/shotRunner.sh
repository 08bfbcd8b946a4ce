# shellcheck shell=bash
# What the native shot scripts share; each sources it with its own arguments ([OUTDIR]). Outside
# an X session it makes the ja_JP.UTF-8 locale when missing (as root) and runs the script again
# inside a new session; inside, it sets top (the source tree), build (the parent of the build
# trees) and out (the shots' directory, default docs/), starts the Wine prefix and a persistent
# server, and gives shot().
set -uo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
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
export CVMIBFILE=${CVMIBFILE:-$build/linux/share/cvgui/mib.db}
"$top/scripts/wineprefix.sh" "$WINEPREFIX" || exit 1
# The program being shot and the persistent server go when the script ends, however it ends.
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; wineserver -k </dev/null >/dev/null 2>&1' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
wineserver -p </dev/null >/dev/null 2>&1

# shot NAME LANG READY CROP PROGRAM [ARG...]: runs PROGRAM under Wine in English (LANG en) or
# Japanese (ja), waits until its output holds READY, and saves the screen as $out/NAME.png, cut by
# CROP ("-trim", or "-crop WxH+X+Y").
shot() {
  local name=$1 lang=$2 ready=$3 crop=$4 log
  shift 4
  log=$(mktemp)
  if [ "$lang" = ja ]; then
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$@" >"$log" 2>&1 </dev/null &
  else
    env -u LANG -u LC_ALL wine "$@" >"$log" 2>&1 </dev/null &
  fi
  pid=$!
  for _ in $(seq 1 600); do grep -q "$ready" "$log" && break; sleep 0.1; done
  sleep 1
  # shellcheck disable=SC2086 # CROP is an option and its value
  xwd -root -display "$DISPLAY" | convert xwd:- $crop +repage "$out/$name.png"
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null
  pid=
  rm -f "$log"
}
