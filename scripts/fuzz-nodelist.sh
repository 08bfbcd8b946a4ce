#!/usr/bin/env bash
# fuzz-nodelist.sh [SECONDS] [LIBFUZZER ARGS...]
# Builds the node list editor's entry rules (wildcard and address checks, overlap test, batch
# and grouped report) with clang, libFuzzer, AddressSanitizer and UBSan (apart from the gcc
# builds) and runs them for SECONDS (default 300) on a copy of the seeds in
# tests/fuzz/nodelist-corpus. Crashes are written to build/fuzz-nodelist/; the exit status is
# libFuzzer's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
seconds=${1:-300}
shift || true

out=$top/build/fuzz-nodelist
mkdir -p "$out/corpus" "$out/generated"
command -v clang++ >/dev/null || { echo "fuzz-nodelist: clang++ is needed (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }

# The catalogue's texts by name, as the build makes them.
perl "$top/scripts/genmsgtable.pl" "$top/util_libs/nls/util_libs.msg" "$out/generated/cvMsgIds.h" \
  "$out/generated/cvMsgTable.c"

flags=(-g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$top/suite/cv/include" -I"$top/util_libs/include" -I"$top/util_libs/src/common" -I"$out/generated")
clang -c "${flags[@]}" -o "$out/cvMsgTable.o" "$out/generated/cvMsgTable.c"
clang++ -std=c++17 "${flags[@]}" -o "$out/nodelist-fuzz" "$out/cvMsgTable.o" \
  "$top/tests/fuzz/nodeListFuzz.cpp" "$top/util_libs/src/common/nodeListRules.cpp" \
  "$top/util_libs/src/common/utilLibsMsg.cpp" "$top/util_libs/src/common/kelArgsCore.cpp" \
  "$top/suite/cv/src/inet.cpp" "$top/suite/cv/src/msgRegistry.cpp"

cp -n "$top"/tests/fuzz/nodelist-corpus/* "$out/corpus/" 2>/dev/null || true
cd "$out"
exec ./nodelist-fuzz -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/" "$@" corpus
