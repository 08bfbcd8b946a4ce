#!/usr/bin/env bash
# installTest.sh motif|native BUILD-DIR
# Installs a build into a fresh prefix and uses it as a tool outside this tree would: the files a
# tool needs are there, a small program builds against the prefix twice (pkg-config with a plain
# compiler command, and find_package) and runs: it shows the library's dialogs and reads them back,
# in English and, through the installed German catalogue, in German. The motif half runs on the
# display it is given (scripts/xsession.sh), the native half under Wine (scripts/winerun.sh).
set -uo pipefail
half=$1 build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

fail() {
  echo "install test ($half): $*" >&2
  exit 1
}

# Nothing may come from the build tree: no catalogue path, MIB or expression file, library path.
unset NLSPATH CVMIBFILE CVEXPRFILE LD_LIBRARY_PATH

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || {
  cat "$tmp/install.log" >&2
  fail "cmake --install failed"
}

# ---- What the prefix holds
inc=$prefix/include/cvgui
for h in "$top"/util_libs/include/*.h; do
  [ -f "$inc/$(basename "$h")" ] || fail "public header $(basename "$h") is not installed"
done
[ -f "$inc/cvguiVersion.h" ] || fail "cvguiVersion.h is not installed"
version=$(sed -n 's/^#define CVGUI_VERSION_STRING "\([^"]*\)".*/\1/p' "$inc/cvguiVersion.h")
major=${version%%.*}
[ -n "$version" ] || fail "cvguiVersion.h names no version"

catalogue=util_libs
[ "$half" = native ] && catalogue=util_libs.msg
for lang in C en $(cd "$top/util_libs/nls" && for d in */; do echo "${d%/}"; done); do
  [ -s "$prefix/share/locale/$lang/LC_MESSAGES/$catalogue" ] || fail "no $lang catalogue"
done

# Each function finds its family's page (or its header's, before it has one).
# Exported functions are declared at the start of a line: [[noreturn]] CVGUI_API|KEL_API type name(
grep -hE '^(\[\[noreturn\]\] )?(CVGUI_API|KEL_API) [^(/;]*\(' "$top"/util_libs/include/*.h |
  sed -E 's/^([^(]*[^A-Za-z0-9_(])?([A-Za-z_][A-Za-z0-9_]*) *\(.*/\2/' | grep -v '^operator' | sort -u >"$tmp/functions"
[ -s "$tmp/functions" ] || fail "no functions found in the headers"
while read -r f; do
  [ -f "$prefix/share/man/man3/$f.3" ] || fail "no reference page for $f"
done <"$tmp/functions"
page=$(head -1 "$tmp/functions")
MANWIDTH=80 man -M "$prefix/share/man" "$page" 2>/dev/null | grep -q "$page" || fail "man $page shows no page"

# ---- Build a consumer twice and run it
src=$tmp/src
mkdir -p "$src"
cp "$here/$half"/* "$src/"

# The consumer's report must show the library's dialog in the language asked for.
check_report() { # REPORT TITLE BUTTON
  local report=$1 title=$2 button=$3
  grep -qx "title=$title" "$report" || fail "$(basename "$report"): title is not \"$title\": $(cat "$report")"
  grep -qx "message=Installed cvgui $version" "$report" || fail "$(basename "$report"): message not read back"
  grep -qx "button=$button" "$report" || fail "$(basename "$report"): button is not \"$button\""
  grep -qx "closed=yes" "$report" || fail "$(basename "$report"): the dialog did not close"
  grep -q "^library=$prefix/" "$report" || grep -qiF "library=Z:$(echo "$prefix" | tr / '\\')\\" "$report" ||
    fail "$(basename "$report"): the library was not loaded from the install: $(grep ^library= "$report")"
}

if [ "$half" = motif ]; then
  [ "$(readelf -d "$prefix/lib/libcvgui.so" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')" = "libcvgui.so.$major" ] ||
    fail "libcvgui.so does not carry the soname libcvgui.so.$major"
  [ -f "$prefix/share/X11/app-defaults/CVdemo" ] || fail "the app-defaults files are not installed"
  # mibtool reads the installed default database when it is given none.
  "$prefix/bin/mibtool" list >"$tmp/mibs" 2>&1 || fail "installed mibtool failed: $(cat "$tmp/mibs")"
  grep -q "IF-MIB" "$tmp/mibs" || fail "the installed MIB database holds no IF-MIB"

  export PKG_CONFIG_PATH=$prefix/lib/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}
  [ "$(pkg-config --modversion cvgui)" = "$version" ] || fail "pkg-config gives another version"
  # shellcheck disable=SC2046
  cc -o "$tmp/consumer-pc" "$src/consumer.c" $(pkg-config --cflags --libs cvgui) -lXtst -Wl,-rpath,"$prefix/lib" \
    >"$tmp/cc.log" 2>&1 || { cat "$tmp/cc.log" >&2; fail "the consumer does not build with pkg-config"; }
  cmake -S "$src" -B "$tmp/build" -DCMAKE_PREFIX_PATH="$prefix" >"$tmp/cmake.log" 2>&1 &&
    cmake --build "$tmp/build" >>"$tmp/cmake.log" 2>&1 || {
    cat "$tmp/cmake.log" >&2
    fail "the consumer does not build with find_package"
  }
  for exe in "$tmp/consumer-pc" "$tmp/build/consumer"; do
    (unset LANG LC_ALL; "$exe") >"$exe.en" 2>&1 || fail "$(basename "$exe") failed: $(cat "$exe.en")"
    check_report "$exe.en" "Error" "Close"
    LANG=de_DE.UTF-8 LC_ALL= "$exe" >"$exe.de" 2>&1 || fail "$(basename "$exe") failed: $(cat "$exe.de")"
    check_report "$exe.de" "Fehler" "Schließen"
  done
else
  for f in bin/cvgui.dll lib/libcvgui.dll.a bin/afx.dll lib/libafx_module.a; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
  done
  cross=x86_64-w64-mingw32-g++-posix
  export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig
  [ "$(pkg-config --modversion cvgui-kel)" = "$version" ] || fail "pkg-config gives another version"
  cp "$top/tests/wine/support/watch.h" "$src/"
  # shellcheck disable=SC2046
  # The runtime goes in statically, as in the build, so Wine needs no DLL of the compiler's.
  $cross -std=c++17 -o "$tmp/consumer-pc.exe" "$src/consumer.cpp" $(pkg-config --cflags --libs cvgui-kel) -lversion \
    -static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic \
    >"$tmp/cc.log" 2>&1 || {
    cat "$tmp/cc.log" >&2
    fail "the consumer does not build with pkg-config"
  }
  # A cross build finds the package through cvgui_DIR: the toolchain file keeps find_package
  # inside the cross root.
  cmake -S "$src" -B "$tmp/build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -Dcvgui_DIR="$prefix/lib/cmake/cvgui" >"$tmp/cmake.log" 2>&1 &&
    cmake --build "$tmp/build" >>"$tmp/cmake.log" 2>&1 || {
    cat "$tmp/cmake.log" >&2
    fail "the consumer does not build with find_package"
  }
  export WINEPATH="Z:$(echo "$prefix/bin" | tr / '\\')"
  run() { "$top/scripts/winerun.sh" "$build/wineprefix" "$@" </dev/null; }
  for exe in "$tmp/consumer-pc.exe" "$tmp/build/consumer.exe"; do
    (unset LANG LC_ALL; run "$exe") | tr -d '\r' >"$exe.en" ||
      fail "$(basename "$exe") failed: $(cat "$exe.en")"
    check_report "$exe.en" "Error" "OK"
    LANG=de_DE.UTF-8 LC_ALL= run "$exe" | tr -d '\r' >"$exe.de" || fail "$(basename "$exe") failed: $(cat "$exe.de")"
    check_report "$exe.de" "Fehler" "OK"
    for report in "$exe.en" "$exe.de"; do
      grep -qx "about=About the consumer" "$report" || fail "the about box (a template of the DLL) did not come up"
      grep -qx "aboutmessage=consumer of cvgui $version" "$report" || fail "the about box's text was not read back"
      grep -qx "dllversion=$version" "$report" || fail "cvgui.dll's version resource does not say $version"
    done
  done
fi
echo "install test ($half): the installed $version builds and runs"
