#!/usr/bin/env bash
# reference.sh MAN3-DIR OUT-DIR
# Renders the reference pages made by the build (scripts/manpages.sh) as plain text into OUT-DIR,
# one file per page (the pages that only source another are left out), with an index README.md,
# so the reference reads in the repository as it does with man.
set -euo pipefail
man3=$1 out=$2
[ -d "$man3" ] || { echo "reference: no pages in $man3 (build first)" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*.txt
families=() others=()
for page in "$man3"/*.3; do
  head -1 "$page" | grep -q '^\.so ' && continue
  name=$(basename "$page" .3)
  MANWIDTH=100 man --no-hyphenation --no-justification -l "$page" 2>/dev/null | col -bx >"$out/$name.txt"
  # The NAME section: "name \- what it is".
  what=$(sed -n '/^\.SH NAME/{n;p;q}' "$page" | sed 's/.*\\- *//; s/\\&//g; s/\\f[BIRP]//g; s/ *$//')
  line="- [$name]($name.txt): $what"
  # Family pages are the groups, named cvgui_..., kel_..., ms_... (docs/reference.md).
  if [[ $name =~ ^(cvgui|kel|ms)_[a-z_]+$ ]]; then
    families+=("$line")
  else
    others+=("$line")
  fi
done

{
  echo "# Reference pages"
  echo
  echo "Rendered from the pages that \`make install\` puts in \`share/man/man3\`; made from the"
  echo "comments of the public headers (see [../reference.md](../reference.md)). Refresh with"
  echo "\`make reference\`. Installed, \`man AddMPButton\` shows the page of a function's family."
  echo
  echo "## Function families"
  echo
  printf '%s\n' "${families[@]}"
  echo
  echo "## Headers, types and classes"
  echo
  printf '%s\n' "${others[@]}"
} >"$out/README.md"
echo "reference: $(ls "$out"/*.txt | wc -l) pages in $out"
