#!/usr/bin/env bash
# test-ratio.sh: the share of the tree's C++ lines (*.cpp, *.h, *.c, *.rc excluded) that are
# tests (everything under tests/), against the rest (library, class layer, stand-ins, tools,
# benchmarks). Counts the files git knows, as committed in the work tree.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -z -- "$@" | xargs -0 -r cat | wc -l; }
tests=$(count 'tests/*.cpp' 'tests/*.h' 'tests/*.c')
all=$(count '*.cpp' '*.h' '*.c')
rest=$((all - tests))
awk -v t="$tests" -v r="$rest" 'BEGIN {
  printf "tests %d lines, the rest %d lines: tests are %.1f%% of the C++ lines\n", t, r, 100 * t / (t + r) }'
