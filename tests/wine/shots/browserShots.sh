#!/usr/bin/env bash
# browserShots.sh [OUTDIR]: screenshots of the native MIB browser (tools/mibbrowser) with a
# description window beside it, over the standard MIB that the Linux build compiled:
# OUTDIR/native-mibbrowser-en.png (an object with enumerations), -ja.png (the same under a
# Japanese locale: the description window's template is Japanese) and
# native-describe-expression-en.png (default OUTDIR: docs/). Needs both built trees.
. "$(dirname "$0")/shotRunner.sh"
export CVEXPRFILE=$top/suite/cvutil/data/expressions.txt

browser() { # NAME LANG OBJECT
  shot "$1" "$2" 'mibbrowser: ready' -trim "$build/windows/bin/mibbrowser.exe" -ready -describe "$3"
}
browser native-mibbrowser-en en .iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifType
browser native-mibbrowser-ja ja .iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifType
browser native-describe-expression-en en ifInUtilization
echo "shots: $out/native-mibbrowser-en.png $out/native-mibbrowser-ja.png $out/native-describe-expression-en.png"
