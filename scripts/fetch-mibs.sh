#!/usr/bin/env bash
# Fetches the standard SMI MIB modules into a cache folder outside the repository:
#   $CVGUI_MIB_CACHE (default ~/.cache/cvgui/mibs)/{ietf,netsnmp,npm}
# The IETF modules come from Debian's erlang-snmp package (downloaded, not installed), IF-MIB and
# IANAifType-MIB from the npm package net-snmp, the NET-SNMP and UCD modules from libsnmp-base.
set -euo pipefail

cache=${CVGUI_MIB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/cvgui/mibs}
stamp="$cache/.complete"
[ -f "$stamp" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$cache"

echo "cvgui setup: fetching standard MIB modules into $cache"
( cd "$work" && apt-get download erlang-snmp >/dev/null 2>&1 ) || {
  echo "cvgui setup: could not download erlang-snmp (apt-get download)" >&2; exit 1; }
dpkg-deb -x "$work"/erlang-snmp_*.deb "$work/erl"
mkdir -p "$cache/ietf"
find "$work/erl" -path '*/mibs/*.mib' -exec cp {} "$cache/ietf/" \;

( cd "$work" && npm pack net-snmp --silent >/dev/null 2>&1 ) || {
  echo "cvgui setup: could not fetch the npm package net-snmp (npm pack)" >&2; exit 1; }
mkdir -p "$work/npm" "$cache/npm"
tar -xzf "$work"/net-snmp-*.tgz -C "$work/npm"
cp "$work"/npm/package/lib/mibs/IF-MIB.mib "$work"/npm/package/lib/mibs/IANAifType-MIB.mib "$cache/npm/"

mkdir -p "$cache/netsnmp"
cp /usr/share/snmp/mibs/NET-SNMP-*.txt /usr/share/snmp/mibs/UCD-SNMP-MIB.txt "$cache/netsnmp/"

for m in SNMPv2-SMI SNMPv2-TC SNMPv2-CONF SNMPv2-MIB RFC1213-MIB RFC1155-SMI RFC-1212 RFC-1215 \
         SNMP-FRAMEWORK-MIB; do
  [ -n "$(find "$cache/ietf" -name "$m.mib" -print -quit)" ] || {
    echo "cvgui setup: $m missing from the fetched modules" >&2; exit 1; }
done
[ -f "$cache/npm/IF-MIB.mib" ] || { echo "cvgui setup: IF-MIB missing" >&2; exit 1; }
touch "$stamp"
