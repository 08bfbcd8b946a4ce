#!/usr/bin/env bash
# fuzz.sh TARGET [SECONDS] [LIBFUZZER ARGS...]
# Builds one parser of outside input with clang, libFuzzer, AddressSanitizer and UBSan (apart
# from the gcc builds) and runs it for SECONDS (default 600) on a copy of its seeds in
# tests/fuzz/corpus/TARGET. Targets:
#   msgsource    message catalogue sources (cv's reader of the gencat format)
#   xcolor       X colour databases (rgb.txt)
#   mapfile      map files of the map session stand-in
#   expressions  the expression library file
#   cmdline      a native tool's command line, option table and resources
# (The MIB database loader has scripts/fuzz-mibdb.sh.) Crashes are written to build/fuzz/TARGET/;
# the exit status is libFuzzer's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
target=${1:?usage: fuzz.sh TARGET [SECONDS] [LIBFUZZER ARGS...]}
seconds=${2:-600}
shift $(( $# >= 2 ? 2 : 1 ))

command -v clang++ >/dev/null || { echo "fuzz: clang++ is needed (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }

common=$top/util_libs/src/common
case $target in
  msgsource)   sources=("$top/suite/cv/src/msgSource.cpp") ;;
  xcolor)      sources=("$common/kelXColorDB.cpp" "$common/kelArgsCore.cpp") ;;
  mapfile)     sources=("$top/suite/cvw/src/mapFile.cpp" "$top/suite/cvw/src/error.cpp") ;;
  expressions) sources=("$top/suite/cvutil/src/expressions.cpp" "$top/suite/cv/src/paths.cpp") ;;
  cmdline)     sources=("$common/kelArgsCore.cpp") ;;
  *) echo "fuzz: unknown target $target" >&2; exit 2 ;;
esac
name=$(tr -d - <<<"$target")
case $target in
  msgsource) file=msgSourceFuzz.cpp ;; xcolor) file=xcolorFuzz.cpp ;; mapfile) file=mapFileFuzz.cpp ;;
  expressions) file=expressionsFuzz.cpp ;; cmdline) file=cmdlineFuzz.cpp ;;
esac

out=$top/build/fuzz/$target
mkdir -p "$out/corpus"
flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -DCVGUI_STATIC -I"$top/util_libs/include" -I"$common" -I"$top/suite/cv/include" -I"$top/suite/cvw/include"
       -I"$top/suite/cvw/src" -I"$top/suite/cvutil/include"
       -DCVUTIL_INSTALLED_EXPRESSIONS='"/nonexistent"')
clang++ "${flags[@]}" -o "$out/$name-fuzz" "$top/tests/fuzz/$file" "${sources[@]}" -ldl

cp -n "$top/tests/fuzz/corpus/$target"/* "$out/corpus/" 2>/dev/null || true
cd "$out"
exec "./$name-fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/" "$@" corpus
