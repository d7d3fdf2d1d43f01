#!/usr/bin/env bash
# Makes one archive of each template type (LZH, ZIP, CAB, TAR) from the template list under Wine, then
# reads them with Debian's own tools: each must pass the tool's test and hold the three files byte for byte.
# Arguments: <ToolsTest.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" standins="$2" work="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../support/outside-check.sh"

rm -rf "$work"
mkdir -p "$work/out" "$work/expected"
printf 'first file\r\n' > "$work/expected/読んで.txt"
head -c 3000 /dev/zero | tr '\0' w > "$work/expected/two words.txt"
printf 'third' > "$work/expected/c.dat"

outside_run "$test_exe" "$standins" "$work/out" TOLVENAR_TEMPLATE_OUTPUT TemplateArchivesTest.ForDebiansTools

status=0
fail() {
  echo "$1" >&2
  status=1
}
# The files of folder $1 must be exactly the expected ones named after it, byte for byte. A Japanese name
# is found by its content: the tools differ in how they show names stored in code page 932.
same_files() {
  local folder="$1" name found
  shift
  [ "$(find "$folder" -type f | wc -l)" -eq "$#" ] || fail "$folder holds $(find "$folder" -type f | wc -l) files, not $#"
  for name in "$@"; do
    found=""
    if printf '%s' "$name" | LC_ALL=C grep -q '^[ -~]*$'; then
      found="$(find "$folder" -type f -name "$name" | head -n 1)"
    else
      while IFS= read -r -d '' f; do cmp -s "$f" "$work/expected/$name" && found="$f"; done < <(find "$folder" -type f -print0)
    fi
    if [ -z "$found" ] || ! cmp -s "$found" "$work/expected/$name"; then fail "$folder: $name missing or different"; fi
  done
}

cd "$work"
mkdir x0 x1 x2 x3
lhasa t out/made0.lzh >/dev/null || fail "lhasa: made0.lzh fails its test"
(cd x0 && lhasa xq ../out/made0.lzh) || fail "lhasa cannot extract made0.lzh"
unzip -tq out/made1.zip >/dev/null || fail "unzip: made1.zip fails its test"
unzip -q out/made1.zip -d x1 || fail "unzip cannot extract made1.zip"
cabextract -tq out/made2.cab >/dev/null || fail "cabextract: made2.cab fails its test"
cabextract -q -d x2 out/made2.cab >/dev/null || fail "cabextract cannot extract made2.cab"
tar -xf out/made3.tar -C x3 || fail "tar cannot extract made3.tar"
same_files x0 読んで.txt "two words.txt" c.dat
same_files x1 読んで.txt "two words.txt" c.dat
same_files x2 読んで.txt "two words.txt"
same_files x3 読んで.txt "two words.txt" c.dat
exit "$status"
