#!/usr/bin/env bash
# Checks the compiled help file: it exists, holds the start page the menu's "Help" opens
# (1_1.html), the window type "mainwin" that page is shown in, and every page that a help
# page links to. Usage: check_chm.sh <snk.chm> <help source folder>
set -euo pipefail
chm=$1
sources=$2
fail=0

[ -s "$chm" ] || { echo "missing or empty: $chm"; exit 1; }

# Names stored in the help file: chmls lists them when fp-utils is installed; otherwise the
# names are found in the file's directory, which stores them as plain bytes.
if command -v chmls >/dev/null; then
  names=$(chmls --no-page -n list "$chm" | sed -n 's|^/||p')
else
  names=$(grep -a -o '/[A-Za-z0-9_.-]*\.\(html\|css\)' "$chm" | sed 's|^/||' | sort -u)
fi

has() { grep -qx -- "$1" <<<"$names"; }

has 1_1.html || { echo "the start page 1_1.html is not in $chm"; fail=1; }
grep -aq mainwin "$chm" || { echo "the window type mainwin is not in $chm"; fail=1; }

# Every local link of every page must lead to a page compiled into the file.
checked=0
for page in "$sources"/*.html; do
  for target in $(grep -o 'href="[^"#:]*' "$page" | sed 's/^href="//'); do
    checked=$((checked + 1))
    has "$target" || { echo "$(basename "$page") links to $target, which is not in $chm"; fail=1; }
  done
done
[ "$checked" -gt 0 ] || { echo "no links found in $sources"; fail=1; }

[ "$fail" = 0 ] && echo "snk.chm holds 1_1.html, mainwin and all $checked linked pages"
exit "$fail"
