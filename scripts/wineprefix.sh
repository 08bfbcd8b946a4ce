#!/usr/bin/env bash
# wineprefix.sh PREFIX: creates the Wine prefix once (about 9 s); concurrent callers wait for it.
set -uo pipefail
prefix=$1
[ -f "$prefix/.cvgui-ready" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.cvgui-ready" ] && exit 0
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i </dev/null >/dev/null 2>&1 || { echo "wineprefix: wineboot failed for $prefix" >&2; exit 1; }
wineserver -w </dev/null >/dev/null 2>&1
touch "$prefix/.cvgui-ready"
