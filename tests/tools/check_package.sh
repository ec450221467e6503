#!/usr/bin/env bash
# Makes the Windows ZIP and checks that it holds the program folder a user needs: the
# program, every shipped skin and the help file, byte for byte as built, in one folder.
# Usage: check_package.sh BUILD_DIR PROGRAM_DIR SKINS_DIR
set -euo pipefail
build=$1 program=$2 skins=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G ZIP -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"; echo "FAIL: cpack did not make the package"; exit 1; }
zips=("$work"/out/*.zip)
[ -f "${zips[0]}" ] || { echo "FAIL: no ZIP made"; exit 1; }
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "${zips[0]}")

top=("$work"/unpacked/*)
[ ${#top[@]} -eq 1 ] && [ -d "${top[0]}" ] || { echo "FAIL: the ZIP must hold one folder"; exit 1; }
folder=${top[0]}

failed=0
expect_same() {  # FILE_IN_PACKAGE BUILT_FILE
  if ! cmp -s "$1" "$2"; then echo "FAIL: $(basename "$1") missing or not as built"; failed=1; fi
}
expect_same "$folder/sorvane.exe" "$program/sorvane.exe"
expect_same "$folder/snk.chm" "$program/snk.chm"
count=0
for skin in "$skins"/*.skn; do
  expect_same "$folder/$(basename "$skin")" "$skin"
  count=$((count + 1))
done
[ "$count" -gt 0 ] || { echo "FAIL: no shipped skins"; failed=1; }
# Nothing the user must not get: no tests, no build leftovers, no settings file.
if find "$folder" -name '*_tests.exe' -o -name 'vl.prf' -o -name '*.a' | grep -q .; then
  echo "FAIL: the package holds files that do not belong to the program"; failed=1
fi
[ $failed -eq 0 ] && echo "package $(basename "${zips[0]}"): sorvane.exe, snk.chm and $count skins"
exit $failed
