#!/usr/bin/env bash
# demo-native.sh: runs the native MIB browser (cvgui.dll under Wine) over the standard MIB, with
# one object described. On $DISPLAY it stays until closed; without a display it runs on a private
# Xvfb with mwm, writes a screenshot PNG and prints its path.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${CVGUI_BUILD:-$top/build}
browser=$build/windows/bin/mibbrowser.exe
export WINEPREFIX=$build/windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export CVMIBFILE=$build/linux/share/cvgui/mib.db
export CVEXPRFILE=$top/suite/cvutil/data/expressions.txt
object=.iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifType

if [ ! -f "$browser" ]; then
  echo "demo: $browser is missing: make windows" >&2
  exit 1
fi

if [ "${1:-}" = --shot ]; then
  shot=$2
  "$here/wineprefix.sh" "$WINEPREFIX" || exit 1
  dir=$(mktemp -d) || exit 1
  trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null; wineserver -k </dev/null >/dev/null 2>&1; rm -rf "$dir"' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
  mkfifo "$dir/ready"
  wine "$browser" -ready -describe "$object" >"$dir/ready" 2>/dev/null </dev/null &
  pid=$!
  # The browser says when its windows have painted and its queue is empty.
  if timeout 60 grep -q -m1 'mibbrowser: ready' <"$dir/ready"; then
    xwd -root -silent | convert xwd:- -trim +repage "$shot"
    status=$?
  else
    echo "demo: the MIB browser did not come up" >&2
    status=1
  fi
  exit $status
fi

if [ -n "${DISPLAY:-}" ]; then
  "$here/wineprefix.sh" "$WINEPREFIX" || exit 1
  exec wine "$browser" -describe "$object"
fi
shot=$build/mibbrowser.png
"$here/xsession.sh" "$0" --shot "$shot" || exit 1
echo "Screenshot of the MIB browser: $shot"
