#!/usr/bin/env bash
# run-tests.sh [CTEST ARGS...]
# Runs the tests of both builds in one ctest run: native unit tests, Motif tests on one Xvfb display
# with mwm, and Windows tests under Wine with a persistent wineserver.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${CVGUI_BUILD:-$top/build}

if [ "${1:-}" != --inner ]; then
  mkdir -p "$build"
  {
    echo "# Both builds in one run; written by scripts/run-tests.sh"
    [ -f "$build/linux/CTestTestfile.cmake" ] && echo 'subdirs("linux")'
    [ -f "$build/windows/CTestTestfile.cmake" ] && echo 'subdirs("windows")'
  } >"$build/CTestTestfile.cmake"
  exec "$here/xsession.sh" "$0" --inner "$@"
fi
shift

export CVGUI_REUSE_DISPLAY=1
prefix=$build/windows/wineprefix
if [ -d "$build/windows" ]; then
  "$here/wineprefix.sh" "$prefix" || exit 1
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # A persistent server makes each test process start in a fraction of a second; its output is
  # detached so that ctest does not wait on inherited pipes. It goes when the script ends, however
  # it ends.
  trap 'wineserver -k </dev/null >/dev/null 2>&1' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1
fi

ctest --test-dir "$build" --output-on-failure "$@" &
wait $!
