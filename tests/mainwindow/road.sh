#!/usr/bin/env bash
# Runs the archive road through the main window, then unpacks each step's archive with Debian's own lhasa:
# the entries each step leaves and the bytes of the added file.
# Arguments: <test program> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"

rm -rf "$work"
mkdir -p "$work/out"
outside_run "$test_exe" "$standins" "$work/out" TOLVENAR_ROAD_OUT 'ArchiveRoad.*'

failed=0
# entries <archive> <expected names, UTF-8, sorted, one per line>: unpacked by lhasa (names in code page
# 932), then listed.
entries() {
  local out="$work/x-$1" got
  unpack "$work/out/$1" "$out"
  to_utf8 "$out"
  got="$(files_below "$out")"
  if [ "$got" = "$2" ]; then echo "$1: $(echo "$got" | tr '\n' ',')"; else
    echo "$1: expected [$2], lhasa unpacks [$got]"; failed=1; fi
}
entries 1-saved.lzh "$(printf 'memo.txt\n予定表.txt' | sort)"
entries 2-deleted.lzh "予定表.txt"
entries 3-renamed.lzh "新しい 日程.txt"
entries 4-added.lzh "$(printf 'extra.txt\n新しい 日程.txt' | sort)"
entries 5-converted.lzh "$(printf 'extra.txt\n新しい 日程.txt' | sort)"
entries 6-back.lzh "$(printf 'extra.txt\n新しい 日程.txt' | sort)"

if [ "$(printf 'added later\r\n' | sha256sum)" = "$(sha256sum < "$work/x-6-back.lzh/extra.txt")" ]; then
  echo "extra.txt: identical"
else
  echo "extra.txt differs"
  failed=1
fi
exit "$failed"
