#!/usr/bin/env bash
# panelShots.sh [OUTDIR]: screenshots of the suite's panels under Wine, in English and under a
# Japanese locale: the "Nodes" dialog with its node list after a batch from the map and the
# warnings reporting the refusals (OUTDIR/native-nodelist-en.png, -ja.png), and "Describe Event"
# shrunk to the rows of an event (OUTDIR/native-describe-en.png, -ja.png); default OUTDIR: docs/.
# Needs a built Windows tree (make windows) and the Linux build's MIB database.
. "$(dirname "$0")/shotRunner.sh"

for lang in en ja; do
  shot native-nodelist-$lang $lang READY -trim "$build/windows/bin/native_panel_shots.exe" nodes
  shot native-describe-$lang $lang READY -trim "$build/windows/bin/native_panel_shots.exe" describe
done
echo "shots: $out/native-nodelist-{en,ja}.png $out/native-describe-{en,ja}.png"
