#!/usr/bin/env bash
# demo.sh: runs the MIB browser on $DISPLAY; without a display, on a private Xvfb with mwm, where it
# writes a screenshot PNG and prints its path. The native MIB browser (demo-native.sh) follows.
# demo.sh --shot FILE [DEMO ARGS...]: on $DISPLAY, a screenshot of the demo once it is ready.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${CVGUI_BUILD:-$top/build}/linux
locale=$build/share/locale
export NLSPATH="$locale/%l/LC_MESSAGES/%N:$locale/C/LC_MESSAGES/%N"
demo=$build/bin/mibbrowser

if [ "${1:-}" = --shot ]; then
  shot=$2
  shift 2
  # The pipe lives in a private directory made by mktemp, so no other process can take its name.
  dir=$(mktemp -d) || exit 1
  trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
  mkfifo "$dir/ready"
  "$demo" --ready "$@" >"$dir/ready" &
  pid=$!
  # The demo says when its window has painted and its event queue is empty.
  if timeout 20 grep -q -m1 'mibbrowser: ready' <"$dir/ready"; then
    xwd -root -silent | convert xwd:- -trim +repage "$shot"
    status=$?
  else
    echo "demo: the browser window did not come up" >&2
    status=1
  fi
  exit $status
fi

if [ -n "${DISPLAY:-}" ]; then
  "$here/demo-native.sh" &  # the native MIB browser beside it, under Wine
  exec "$demo"
fi
shot=$build/mibbrowser.png
"$here/xsession.sh" "$0" --shot "$shot" || exit 1
echo "Screenshot of the MIB browser: $shot"
"$here/demo-native.sh"
