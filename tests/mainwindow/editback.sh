#!/usr/bin/env bash
# Runs the edit-back tests with their archives left in a folder of this run, then reads them with Debian's
# own lhasa and unzip: the edited entry must hold the bytes saved in the editor, under its own path, and
# every other entry its own bytes, with no entry added beside them.
# Arguments: <MainWindowTest.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"
tree_source="$here/../operations/fixtures/extract/src"

rm -rf "$work"
mkdir -p "$work/out" "$work/expected/charts/q1 plan"
outside_run "$test_exe" "$standins" "$work/out" TOLVENAR_EDITBACK_OUT 'EditBackTest.*SavedInTheEditor*'

# The files the notes archives were made from (see tests/fixtures/README.md), the edited one as saved.
notes() { for i in $(seq 1 12); do printf '%s, line %d\r\n' "$1" "$i"; done; }
notes 'notes at the top' >"$work/expected/notes.txt"
notes 'notes on the charts' >"$work/expected/charts/notes.txt"
printf 'edited in the editor\r\n' >"$work/expected/charts/q1 plan/notes.txt"
mkdir -p "$work/expected-tree"
cp -r "$tree_source/." "$work/expected-tree/"
printf 'edited in the editor\r\n' >"$work/expected-tree/readme.txt"

status=0
check() {
  local archive="$1" expected="$2" check="$work/check-$1"
  unpack "$work/out/$archive" "$check"
  if [ "$(files_below "$check")" != "$(files_below "$expected")" ]; then
    echo "$archive: holds $(files_below "$check" | tr '\n' ' '), not $(files_below "$expected" | tr '\n' ' ')" >&2
    status=1
  fi
  while IFS= read -r file; do
    if ! cmp -s "$expected/$file" "$check/$file"; then
      echo "$archive: $file is not as Debian's tools should read it" >&2
      status=1
    fi
  done < <(files_below "$expected")
  echo "$archive: $(files_below "$check" | tr '\n' ' ')"
}
for archive in tree.lzh tree.zip; do check "$archive" "$work/expected-tree"; done
for archive in notes.lzh notes.zip; do check "$archive" "$work/expected"; done
exit "$status"
