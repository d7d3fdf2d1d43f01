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
cd "$work"

# The test program is a Windows program: it gets the folder as Wine names it.
run_windows="Z:$(printf '%s' "$work/run" | tr / '\\')"
TOLVENAR_E2E_RUN="$run_windows" TOLVENAR_STANDINS="$standins" exec "$here/../../scripts/wine-run" "$test_exe"
