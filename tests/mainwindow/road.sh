#!/usr/bin/env bash
# Runs the archive road through the main window, then unpacks each step's archive with Debian's own lhasa:
# the entries each step leaves and the bytes of the added file.
# Arguments: <test program> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

rm -rf "$work"
mkdir -p "$work/out"
run_windows="Z:$(printf '%s' "$work/out" | tr / '\\')"
TOLVENAR_ROAD_OUT="$run_windows" TOLVENAR_STANDINS="$standins" \
  "$here/../../scripts/wine-run" "$test_exe" --gtest_filter='ArchiveRoad.*'

failed=0
# The archivers store names in code page 932.
to_utf8() {
  find "$1" -depth -mindepth 1 | while IFS= read -r path; do
    name="$(basename "$path")"
    decoded="$(printf '%s' "$name" | iconv -f CP932 -t UTF-8)"
    [ "$name" = "$decoded" ] || mv "$path" "$(dirname "$path")/$decoded"
  done
}
# entries <archive> <expected names, UTF-8, sorted, one per line>: unpacked by lhasa, then listed.
entries() {
  local out="$work/x-$1" got
  rm -rf "$out" && mkdir -p "$out"
  (cd "$out" && lhasa xq "../out/$1")
  to_utf8 "$out"
  got="$(cd "$out" && find . -type f | cut -c3- | sort)"
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
