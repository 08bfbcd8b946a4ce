#!/usr/bin/env bash
# shots.sh [OUTDIR]: screenshots of the native message windows under Wine, in English and under a
# Japanese locale, as OUTDIR/native-messages-en.png and -ja.png (default: docs/). Needs a built
# Windows tree; as root it generates the ja_JP.UTF-8 locale when it is missing.
. "$(dirname "$0")/shotRunner.sh"

for lang in en ja; do
  shot native-messages-$lang $lang READY "-crop 720x440+0+0" "$build/windows/bin/native_shots.exe" $lang
done
echo "shots: $out/native-messages-en.png $out/native-messages-ja.png"
