#!/usr/bin/env bash
# winerun.sh PREFIX PROGRAM.exe [ARGS...]
# Runs a Windows program of the build under Wine with the build's own prefix, creating the prefix
# on first use. It runs on a private Xvfb display (see xsession.sh) unless CVGUI_REUSE_DISPLAY=1
# says that DISPLAY is already one of ours, as in scripts/run-tests.sh.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1; shift

export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ "${CVGUI_REUSE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  CVGUI_REUSE_DISPLAY=1 exec "$here/xsession.sh" "$0" "$prefix" "$@"
fi

"$here/wineprefix.sh" "$prefix" || exit 1
# The program in the background, so that an interrupt stops it at once; the server it may have
# started ends by itself once its last client has gone.
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 130' INT
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 143' TERM HUP
wine "$@" <&0 &
pid=$!
wait $pid
