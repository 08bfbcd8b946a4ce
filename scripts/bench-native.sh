#!/usr/bin/env bash
# bench-native.sh: runs the native half's benchmarks (bench/native) under Wine on a private Xvfb
# display, after a build of the Windows tree (make windows). Each prints its figures and ratios
# against a baseline measured in the same run.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${CVGUI_BUILD:-$top/build}/windows

if [ "${1:-}" != --inner ]; then
  ls "$build"/bin/bench_native_*.exe >/dev/null 2>&1 || { echo "bench-native: build the Windows tree first (make windows)" >&2; exit 1; }
  exec "$here/xsession.sh" "$0" --inner
fi

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wineprefix.sh" "$WINEPREFIX" || exit 1
# The persistent server goes when the script ends, interrupted or not.
trap 'wineserver -k </dev/null >/dev/null 2>&1' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1

status=0
for b in "$build"/bin/bench_native_*.exe; do
  wine "$b" </dev/null &
  wait $! || { echo "bench-native: $(basename "$b") failed" >&2; status=1; }
  echo
done
exit $status
