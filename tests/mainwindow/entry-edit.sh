#!/usr/bin/env bash
# Changes entries of archives made by Debian's zip and jlha through the main window (EntryEditTest, and a
# drop of entries on another archive's node), then
# reads each changed archive with Debian's own unzip and lhasa: the files each holds and the bytes of the
# renamed and the added file.
# Arguments: <test program> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"
source_tree="$here/../operations/fixtures/extract/src"

rm -rf "$work"
mkdir -p "$work/out"
outside_run "$test_exe" "$standins" "$work/out" TOLVENAR_EDIT_OUT 'EntryEditTest.*:EntryDragDropTest.AMoveDrop*'

failed=0
# holds <archive> <expected files, sorted, one per line>: unpacked into x-<archive> by the archive's own
# Debian tool.
holds() {
  local got
  unpack "$work/out/$1" "$work/x-$1"
  got="$(files_below "$work/x-$1")"
  if [ "$got" = "$2" ]; then echo "$1: $(echo "$got" | tr '\n' ',')"; else
    echo "$1: expected [$2], Debian's tool unpacks [$got]"; failed=1; fi
}
# same <file> <expected file>
same() {
  if cmp -s "$1" "$2"; then echo "$(basename "$1"): identical"; else echo "$1 differs from $2"; failed=1; fi
}

for type in zip lzh; do
  holds "deleted.$type" "$(printf 'doc/deep/data.bin\nreadme.txt')"
  holds "added.$type" "$(printf 'added.txt\ndoc/deep/data.bin\ndoc/memo.txt\nreadme.txt')"
  printf 'dropped in\r\n' > "$work/added.txt"
  same "$work/x-added.$type/added.txt" "$work/added.txt"
done
holds moved.lzh "$(printf 'doc/deep/data.bin\ndoc/memo.txt\nmemo.txt\nreadme.txt')"
same "$work/x-moved.lzh/memo.txt" "$source_tree/doc/memo.txt"
holds renamed.lzh "$(printf 'doc/deep/data.bin\ndoc/xmemo.txt\nreadme.txt')"
same "$work/x-renamed.lzh/doc/xmemo.txt" "$source_tree/doc/memo.txt"
if [ -e "$work/out/renamed.zip" ]; then echo "renamed.zip: kept though nothing renamed it"; failed=1; fi
exit "$failed"
