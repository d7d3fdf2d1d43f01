#!/usr/bin/env bash
# Runs the edit-back tests with their archives left in a folder of this run, then reads them with Debian's
# own lhasa and unzip: readme.txt must hold the bytes saved in the editor, the other entries their own.
# Arguments: <MainWindowTest.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_tree="$here/../operations/fixtures/extract/src"

rm -rf "$work"
mkdir -p "$work/out"
out_windows="Z:$(printf '%s' "$work/out" | tr / '\\')"
TOLVENAR_EDITBACK_OUT="$out_windows" TOLVENAR_STANDINS="$standins" TOLVENAR_SOURCE_DIR="$(cd "$here/../.." && pwd)" \
  "$here/../../scripts/wine-run" "$test_exe" --gtest_filter='EditBackTest.A*EntrySaved*'

status=0
printf 'edited in the editor\r\n' >"$work/edited.txt"
for archive in tree.lzh tree.zip; do
  check="$work/check-$archive"
  mkdir -p "$check"
  case "$archive" in
    *.lzh) (cd "$check" && lhasa xq "$work/out/$archive") ;;
    *.zip) unzip -q "$work/out/$archive" -d "$check" ;;
  esac
  if ! cmp -s "$work/edited.txt" "$check/readme.txt"; then
    echo "$archive: readme.txt does not hold the edited bytes as Debian's tools read it" >&2
    status=1
  fi
  for file in doc/memo.txt doc/deep/data.bin; do
    if ! cmp -s "$source_tree/$file" "$check/$file"; then
      echo "$archive: $file is not as it was" >&2
      status=1
    fi
  done
  echo "$archive: $(cd "$check" && find . -type f | sort | tr '\n' ' ')"
done
exit "$status"
