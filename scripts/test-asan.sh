#!/usr/bin/env bash
# test-asan.sh [CTEST ARGS...]
# Runs the unit, Motif and MIB tests of the sanitizer tree (build/asan, made by make asan). Any
# AddressSanitizer or UBSan report ends the test with a failure; leaks are reported except those
# inside other libraries that tests/sanitizers/lsan.supp names with its reasons.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${CVGUI_BUILD:-$top/build}/asan
[ -f "$build/CTestTestfile.cmake" ] || { echo "test-asan: build the sanitizer tree first (make asan)" >&2; exit 1; }

supp=$top/tests/sanitizers
# Full stacks on each allocation: Motif and Xt have no frame pointers, and a suppression must
# see the function inside them that made the allocation.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:abort_on_error=0:exitcode=23:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0:exitcode=23"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=23"
ctest --test-dir "$build" --output-on-failure "$@" &
wait $!
