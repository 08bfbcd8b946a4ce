#!/usr/bin/env bash
# Fetches the SMI MIB modules the build and the tests use into a cache folder outside the
# repository: $CVGUI_MIB_CACHE (default ~/.cache/cvgui/mibs)/{ietf,netsnmp,npm,debian}
# The IETF modules come from Debian's erlang-snmp package (downloaded, not installed), IF-MIB and
# IANAifType-MIB from the npm package net-snmp, the NET-SNMP and UCD modules from libsnmp-base.
# debian/ holds vendor modules of other Debian packages (Kamailio's, ProFTPD's), with which the
# tests hold the MIB library to net-snmp's reading of modules it was not written against.
# Each part is fetched once; a part that is there already is left as it is.
set -euo pipefail

cache=${CVGUI_MIB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/cvgui/mibs}
stamp="$cache/.complete"
other="$cache/debian"
[ -f "$stamp" ] && [ -f "$other/.complete" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$cache"

# apt-get download <package> into $work and unpack it into $work/<package>.
unpack() {
  ( cd "$work" && apt-get download "$1" >/dev/null 2>&1 ) || {
    echo "cvgui setup: could not download $1 (apt-get download)" >&2; exit 1; }
  dpkg-deb -x "$work/$1"_*.deb "$work/$1"
}

if [ ! -f "$stamp" ]; then
  echo "cvgui setup: fetching standard MIB modules into $cache"
  unpack erlang-snmp
  mkdir -p "$cache/ietf"
  find "$work/erlang-snmp" -path '*/mibs/*.mib' -exec cp {} "$cache/ietf/" \;

  ( cd "$work" && npm pack net-snmp --silent >/dev/null 2>&1 ) || {
    echo "cvgui setup: could not fetch the npm package net-snmp (npm pack)" >&2; exit 1; }
  mkdir -p "$work/npm" "$cache/npm"
  tar -xzf "$work"/net-snmp-*.tgz -C "$work/npm"
  cp "$work"/npm/package/lib/mibs/IF-MIB.mib "$work"/npm/package/lib/mibs/IANAifType-MIB.mib "$cache/npm/"

  mkdir -p "$cache/netsnmp"
  cp /usr/share/snmp/mibs/NET-SNMP-*.txt /usr/share/snmp/mibs/UCD-SNMP-MIB.txt "$cache/netsnmp/"

  for m in SNMPv2-SMI SNMPv2-TC SNMPv2-CONF SNMPv2-MIB RFC1213-MIB RFC1155-SMI RFC-1212 RFC-1215 \
           SNMP-FRAMEWORK-MIB STANDARD-MIB; do
    [ -n "$(find "$cache/ietf" -name "$m.mib" -print -quit)" ] || {
      echo "cvgui setup: $m missing from the fetched modules" >&2; exit 1; }
  done
  [ -f "$cache/npm/IF-MIB.mib" ] || { echo "cvgui setup: IF-MIB missing" >&2; exit 1; }
  touch "$stamp"
fi

if [ ! -f "$other/.complete" ]; then
  echo "cvgui setup: fetching vendor MIB modules of other Debian packages into $other"
  mkdir -p "$other"
  unpack kamailio-snmpstats-modules
  cp "$work"/kamailio-snmpstats-modules/usr/share/snmp/mibs/KAMAILIO-* "$other/"
  unpack proftpd-mod-snmp
  cp "$work"/proftpd-mod-snmp/etc/proftpd/PROFTPD-MIB.txt "$other/"
  for m in KAMAILIO-MIB KAMAILIO-TC KAMAILIO-REG-MIB KAMAILIO-SIP-COMMON-MIB KAMAILIO-SIP-SERVER-MIB \
           PROFTPD-MIB.txt; do
    [ -f "$other/$m" ] || { echo "cvgui setup: $m missing from the fetched packages" >&2; exit 1; }
  done
  touch "$other/.complete"
fi
