#!/usr/bin/env bash
# Compresses a folder three levels deep through the main window (the Edit menu and the command line's
# compress mode), then unpacks each archive of a real format with Debian's own tools: every file of the
# folder must come out under its path below the folder, byte for byte, and nothing else. (TBZ and the
# fixture types are read back by the test itself, through the window's listing.)
# Arguments: <MainWindowTest.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"

rm -rf "$work"
mkdir -p "$work/out"
outside_run "$test_exe" "$standins" "$work/out" TOLVENAR_CREATED_OUT 'FolderPackTest.*'

src="$work/out/src tree/素材 フォルダ"
failed=0
# cab_matches <cabinet> <folder it was unpacked into> <source folder>: cabextract takes the second byte of
# a code page 932 character for a folder separator when it is "\", so the bytes are compared by digest and
# the names as it lists them, from the cabinet's own bytes.
cab_matches() {
  local listed expected
  listed="$(cabextract -l "$1" | sed -n 's/^ *[0-9]* | [^|]* | //p' | LC_ALL=C sort)"
  expected="$(files_below "$3" | iconv -f UTF-8 -t CP932 | tr '\\' / | LC_ALL=C sort)"
  [ "$(digests "$3")" = "$(digests "$2")" ] && [ "$listed" = "$expected" ]
}

# check <archive>: unpacked by the type's Debian tool into a folder of its own and compared with the folder.
check() {
  local archive="$work/out/$1" out="$work/x-$1"
  [ -f "$archive" ] || { echo "$1 was not written"; failed=1; return; }
  unpack "$archive" "$out"
  case "$archive" in
    *.zip) zip_matches "$archive" "$out" "$src" && same=1 || same=0 ;;
    *.cab) cab_matches "$archive" "$out" "$src" && same=1 || same=0 ;;
    *) to_utf8 "$out"; diff -r "$src" "$out" && same=1 || same=0 ;;
  esac
  if [ "$same" = 1 ]; then echo "$(basename "$archive"): identical"; else
    echo "$(basename "$archive"): differs from the folder"; failed=1; fi
}

for made in menu line; do
  check "$made.lzh"
  check "$made.zip"
  check "$made.tar"
  check "$made.tgz"
done
check menu.cab
check line.cab
exit "$failed"
