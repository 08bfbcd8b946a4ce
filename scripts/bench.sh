#!/usr/bin/env bash
# bench.sh [BENCHMARK ARGS...]
# Runs the Motif benchmarks on a private Xvfb display with mwm (screen 1 is the 8-bit one).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${CVGUI_BUILD:-$top/build}/linux
exec "$here/xsession.sh" "$build/bin/motif_bench" "$@"
