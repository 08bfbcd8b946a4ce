#!/usr/bin/env bash
# mibSelShots.sh [OUTDIR]: screenshots of the MIB selector in a tool's dialog under Wine, with the
# standard MIB that the Linux build compiled, in English and under a Japanese locale, as
# OUTDIR/native-mibsel-en.png and -ja.png (default: docs/). Needs both built trees; as root it
# generates the ja_JP.UTF-8 locale when it is missing.
. "$(dirname "$0")/shotRunner.sh"

for lang in en ja; do
  shot native-mibsel-$lang $lang READY -trim "$build/windows/bin/native_mibsel_shots.exe"
done
echo "shots: $out/native-mibsel-en.png $out/native-mibsel-ja.png"
