#!/usr/bin/env bash
# motif-shots.sh [OUTDIR]: screenshots of the demo tool for the documentation (default: docs/):
# the whole window (cvdemo.png), the Node option menu opened down to its second pane
# (motif-option-cascade.png) and the node table scrolled sideways (motif-synced-list.png).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
out=$(realpath -m "${1:-$top/docs}")
mkdir -p "$out"
status=0
"$here/xsession.sh" "$here/demo.sh" --shot "$out/cvdemo.png" || status=1
"$here/xsession.sh" "$here/demo.sh" --shot "$out/motif-option-cascade.png" --open-nodes || status=1
"$here/xsession.sh" "$here/demo.sh" --shot "$out/motif-synced-list.png" --scroll-table || status=1
[ $status = 0 ] && echo "shots: $out/cvdemo.png $out/motif-option-cascade.png $out/motif-synced-list.png"
exit $status
