#!/usr/bin/env bash
# fuzz-mibdb.sh [SECONDS] [LIBFUZZER ARGS...]
# Builds the MIB database loader with clang, libFuzzer, AddressSanitizer and UBSan (apart from the
# gcc builds) and runs it for SECONDS (default 300) on a copy of the seed corpus in tests/fuzz.
# Crashes are written to build/fuzz/; the exit status is libFuzzer's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
seconds=${1:-300}
shift || true

out=$top/build/fuzz
mkdir -p "$out/corpus"
command -v clang++ >/dev/null || { echo "fuzz-mibdb: clang++ is needed (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }

flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$top/suite/cvsnmp/include" -I"$top/suite/cvsnmp/src")
clang++ "${flags[@]}" -o "$out/mibdb-fuzz" \
  "$top/tests/fuzz/mibdbFuzz.cpp" "$top/suite/cvsnmp/src/mibdbRead.cpp" "$top/suite/cvsnmp/src/mibdbWrite.cpp"

cp -n "$top"/tests/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
cd "$out"
exec ./mibdb-fuzz -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/" "$@" corpus
