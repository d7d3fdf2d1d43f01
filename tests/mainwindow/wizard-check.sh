#!/usr/bin/env bash
# Runs the compression wizard's window test with its archives left in a folder of this run, then reads
# them back with Debian's own archivers: every packed file must come out byte for byte.
# Arguments: <MainWindowTest.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

rm -rf "$work"
mkdir -p "$work/out"
out_windows="Z:$(printf '%s' "$work/out" | tr / '\\')"
TOLVENAR_CREATED_OUT="$out_windows" TOLVENAR_STANDINS="$standins" \
  "$here/../../scripts/wine-run" "$test_exe" --gtest_filter='WizardCommandsTest.TheFileMenus*'

status=0
for archive in wizard.lzh wizard.zip wizard.tgz; do
  check="$work/check-$archive"
  mkdir -p "$check"
  case "$archive" in
    *.lzh) (cd "$check" && jlha xq "$work/out/$archive") ;;
    *.zip) unzip -q "$work/out/$archive" -d "$check" ;;
    *.tgz) tar xzf "$work/out/$archive" -C "$check" ;;
  esac
  for file in readme.txt doc/memo.txt doc/sub/deep.txt; do
    found="$(find "$check" -type f -name "$(basename "$file")" | head -n 1)"
    if [ -z "$found" ] || ! cmp -s "$work/out/src/$file" "$found"; then
      echo "$archive does not hold $file as Debian's tools read it" >&2
      status=1
    fi
  done
done
exit "$status"
