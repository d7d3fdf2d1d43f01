#!/usr/bin/env bash
# Makes four archives with Debian's own archivers, each with a Japanese name, puts a copy of Tolvenar.exe
# beside them (so the program's settings file is a fresh one of this run) and runs the test program that
# starts and drives it under Wine.
# Arguments: <test program> <Tolvenar.exe> <stand-ins folder> <scratch folder>
set -eu
test_exe="$1" program="$2" standins="$3" work="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

rm -rf "$work"
mkdir -p "$work/src/doc" "$work/run"
yes "archive tree list window entry" | head -c 1234 > "$work/src/readme.txt"
yes "memo" | head -c 200 > "$work/src/doc/memo.txt"
touch -d "2024-05-06 07:08:10" "$work/src/readme.txt" "$work/src/doc/memo.txt" "$work/src/doc"

cd "$work/src"
jlha aq "$work/run/書庫あ.lzh" readme.txt doc >/dev/null
zip -rqX "$work/run/書庫い.zip" readme.txt doc
tar czf "$work/run/書庫う.tgz" readme.txt doc
gcab -c "$work/run/書庫え.cab" readme.txt doc/memo.txt
cp "$program" "$work/run/Tolvenar.exe"

# For the closes at every moment of a start: a ZIP of 1,000 small files, half of them in a folder, names
# with blanks, and no separate folder entries, so the list holds exactly 1,000 rows.
mkdir -p "$work/many/notes 2024"
for i in $(seq -w 1 500); do
  printf 'entry %s\n' "$i" > "$work/many/file $i.txt"
  printf 'note %s\n' "$i" > "$work/many/notes 2024/note $i.txt"
done
(cd "$work/many" && zip -rqXD "$work/run/thousand entries.zip" .)

# For the command-line modes: a MIME part of a binary file in base64 (decoded through the clipboard), a file
# to pack with a typed command, and a picture to encrypt and decrypt.
seq 1 3000 | gzip -n9 > "$work/run/payload.bin"
{
  printf 'From: someone@example.com\r\nSubject: data\r\nMIME-Version: 1.0\r\n'
  printf 'Content-Type: application/octet-stream; name="payload.bin"\r\nContent-Transfer-Encoding: base64\r\n\r\n'
  base64 -w 76 "$work/run/payload.bin" | sed 's/$/\r/'
} > "$work/run/mail 1.txt"
cp "$work/src/readme.txt" "$work/run/packme.txt"
{ printf '\377\330\377\340'; head -c 3000 "$work/src/readme.txt"; printf '\377\331'; } > "$work/run/picture.jpg"
# For compress mode: a file and a folder with a dot in its name, side by side.
mkdir -p "$work/run/pack/docs.old"
yes "notes for the archive" | head -c 3000 > "$work/run/pack/notes.txt"
cp "$work/src/doc/memo.txt" "$work/run/pack/docs.old/memo.txt"
cd "$work"

# The test program is a Windows program: it gets the folder as Wine names it.
run_windows="Z:$(printf '%s' "$work/run" | tr / '\\')"
status=0
TOLVENAR_E2E_RUN="$run_windows" TOLVENAR_STANDINS="$standins" "$here/../../scripts/wine-run" "$test_exe" || status=$?

# The archive the raw command line made, read back by Debian's own LHA tool.
if [ "$status" -eq 0 ]; then
  mkdir -p "$work/check"
  if ! (cd "$work/check" && lhasa xq "$work/run/typed.lzh") ||
    ! cmp -s "$work/run/packme.txt" "$(find "$work/check" -name packme.txt | head -n 1)"; then
    echo "typed.lzh does not hold packme.txt as lhasa reads it" >&2
    status=1
  fi
fi
# The archives compress mode made, read back by Debian's own lhasa and unzip, and what instant extraction
# took out of the archive jlha made.
same() { # <expected file> <path inside the folder> <folder>
  cmp -s "$1" "$3/$2" || { echo "$2 differs or is missing in $3" >&2; status=1; }
}
if [ "$status" -eq 0 ]; then
  rm -rf "$work/check-one" "$work/check-each"
  mkdir -p "$work/check-one" "$work/check-each"
  (cd "$work/check-one" && lhasa xq "$work/run/packed-one.lzh") || status=1
  same "$work/run/pack/notes.txt" notes.txt "$work/check-one"
  same "$work/run/pack/docs.old/memo.txt" docs.old/memo.txt "$work/check-one"
  (cd "$work/check-each" && unzip -q "$work/run/pack/notes_txt.zip" && unzip -q "$work/run/pack/docs_old.zip") || status=1
  same "$work/run/pack/notes.txt" notes.txt "$work/check-each"
  same "$work/run/pack/docs.old/memo.txt" docs.old/memo.txt "$work/check-each"
  same "$work/src/readme.txt" readme.txt "$work/run/書庫あ"
  same "$work/src/doc/memo.txt" doc/memo.txt "$work/run/書庫あ"
fi
exit "$status"
