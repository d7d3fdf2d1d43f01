#!/usr/bin/env bash
# Runs the edit-back tests with their archives left in a folder of this run, then reads them with Debian's
# own lhasa and unzip: readme.txt must hold the bytes saved in the editor, the other entries their own.
# Arguments: <MainWindowTest.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"
source_tree="$here/../operations/fixtures/extract/src"

rm -rf "$work"
mkdir -p "$work/out"
outside_run "$test_exe" "$standins" "$work/out" TOLVENAR_EDITBACK_OUT 'EditBackTest.A*EntrySaved*'

status=0
printf 'edited in the editor\r\n' >"$work/edited.txt"
for archive in tree.lzh tree.zip; do
  check="$work/check-$archive"
  unpack "$work/out/$archive" "$check"
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
  echo "$archive: $(files_below "$check" | tr '\n' ' ')"
done
exit "$status"
