#!/usr/bin/env bash
# manpages.sh OUTDIR VERSION HEADER-DIR...
# Makes the reference pages (OUTDIR/man3/*.3) from the comments of the public headers with Doxygen:
# one page per function family, a page per header for what belongs to no family yet, and for each
# function, type and variable a page that sources the page it is on.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
out=$1 version=$2
shift 2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export CVGUI_VERSION=$version CVGUI_REF_OUT=$work CVGUI_REF_INPUT="$*"
# The pages carry the date of the last change to the headers, not of the build.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct -- util_libs/include 2>/dev/null || true)
  [ -n "$SOURCE_DATE_EPOCH" ] && export SOURCE_DATE_EPOCH || unset SOURCE_DATE_EPOCH
fi
doxygen "$top/cmake/Doxyfile" >"$work/doxygen.log" 2>&1 || { cat "$work/doxygen.log" >&2; exit 1; }
grep -i 'warning\|error' "$work/doxygen.log" >&2 || true

pages=$work/man/man3
# Directories are no part of the interface.
grep -l '^\.TH ".* Directory Reference"' "$pages"/*.3 | xargs -r rm -f
# Members of structures and classes are read on their type's page: "man label" or "man id" must
# not lead there.
for f in "$pages"/*.3; do
  target=$(sed -n '1s/^\.so man3\/\(.*\)$/\1/p' "$f")
  [ -n "$target" ] || continue
  if grep -qE '^\.SS "(Data Fields|(Public|Protected) (Member Functions|Attributes))"' "$pages/$target"; then
    rm -f "$f"
  fi
done

mkdir -p "$out"
rm -rf "$out/man3.new"
mv "$pages" "$out/man3.new"
rm -rf "$out/man3"
mv "$out/man3.new" "$out/man3"
