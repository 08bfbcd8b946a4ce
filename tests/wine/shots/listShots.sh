#!/usr/bin/env bash
# listShots.sh [OUTDIR]: screenshots of a dialog built with the native list API (a reorderable
# list and a message log) and of the save dialog over it, under Wine, as OUTDIR/native-list.png
# and OUTDIR/native-save.png (default: docs/). Needs a built Windows tree.
. "$(dirname "$0")/shotRunner.sh"

for what in list save; do
  shot native-$what en READY -trim "$build/windows/bin/native_list_shots.exe" $what
done
echo "shots: $out/native-list.png $out/native-save.png"
