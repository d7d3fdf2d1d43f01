#!/usr/bin/env bash
# Has the test program create LZH, ZIP, TAR, TGZ and CAB archives from a folder of Japanese names, then
# unpacks each with Debian's own tools and compares every file byte for byte with its source.
# Arguments: <test program> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"

rm -rf "$work"
mkdir -p "$work"
outside_run "$test_exe" "$standins" "$work" TOLVENAR_CREATED_OUT \
  'CreateArchive.RealFormatsOfAJapaneseFolderAreWrittenShownAndListed'

# The archivers store names in code page 932; the sources carry them as UTF-8 (to_utf8 puts them back).
failed=0
# check <kind> <names: raw or utf8> <command...>: unpacks into a folder of its own and compares.
check() {
  local kind="$1" names="$2" out="$work/out-$1"
  shift 2
  rm -rf "$out" && mkdir -p "$out"
  (cd "$out" && "$@" >/dev/null)
  [ "$names" = utf8 ] || to_utf8 "$out"
  if diff -r "$work/src" "$out"; then
    echo "$kind: identical"
  else
    echo "$kind: differs from its sources"
    failed=1
  fi
}

check_zip() {
  local out="$work/out-zip"
  rm -rf "$out" && mkdir -p "$out"
  (cd "$out" && unzip -q "$work/created.zip")
  if zip_matches "$work/created.zip" "$out" "$work/src"; then
    echo "zip: identical"
  else
    echo "zip: differs from its sources"
    failed=1
  fi
}

for kind in lzh zip tar tgz cab; do
  [ -f "$work/created.$kind" ] || { echo "created.$kind was not written"; exit 1; }
done
check lzh raw lhasa xq "$work/created.lzh"
check_zip
check tar raw tar xf "$work/created.tar"
check tgz raw tar xzf "$work/created.tgz"
check cab raw cabextract -q "$work/created.cab"
exit "$failed"
