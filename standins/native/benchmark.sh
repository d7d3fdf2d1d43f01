#!/usr/bin/env bash
# Throughput of the stand-ins' lh5 and deflate coders against lhasa, jlha, Info-ZIP zip/unzip and
# gzip on one 100 MB mixed corpus, printed as ratios measured in one run. Not a test. Our coders
# are timed in memory; the tools as whole runs (start-up and file writing included).
#   standins/native/benchmark.sh [native build folder] [corpus size in MB]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build/native}"
size_mb="${2:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake -S "$root/standins/native" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target standin_bench standin_lha >/dev/null

# Mixed corpus: text, program code and incompressible bytes in turn, 1 MB pieces.
corpus="$work/corpus.bin"
: > "$corpus"
sources=(/usr/share/common-licenses/* /usr/bin/cmake /usr/lib/x86_64-linux-gnu/libc.so.6)
i=0
while [ "$(stat -c %s "$corpus")" -lt $((size_mb * 1000000)) ]; do
  case $((i % 3)) in
    0) cat "${sources[@]:0:4}" 2>/dev/null | head -c 1000000 >> "$corpus" ;;
    1) head -c 1000000 "/usr/bin/cmake" >> "$corpus" ;;
    2) head -c 300000 /dev/urandom >> "$corpus" ;;
  esac
  i=$((i + 1))
done
truncate -s $((size_mb * 1000000)) "$corpus"
mb=$size_mb

now() { date +%s.%N; }
rate() { awk -v mb="$mb" -v s="$1" 'BEGIN { printf "%.1f", mb / s }'; }
measure() {  # name, command...
  local name="$1"; shift
  local t0; t0=$(now)
  "$@" >/dev/null 2>&1
  local t1; t1=$(now)
  local s; s=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
  printf '%s %.3f %s\n' "$name" "$s" "$(rate "$s")"
}

results="$work/results.txt"
"$build/standin_bench" "$corpus" > "$results"
cd "$work"
mkdir -p x
# Our LZH archive of the corpus, for the other tools' lh5 decoders.
"$build/standin_lha" "$corpus" ours.lzh
measure lhasa-decode sh -c 'cd x && lhasa xq ../ours.lzh' >> "$results"
measure jlha-decode sh -c 'cd x && jlha x ../ours.lzh < /dev/null' >> "$results"
measure jlha-lh5-encode sh -c 'jlha ao5 theirs.lzh corpus.bin < /dev/null' >> "$results"
measure zip6-encode zip -q -6 z.zip corpus.bin >> "$results"
measure unzip-decode unzip -q -o -d x z.zip >> "$results"
measure gzip6-encode sh -c 'gzip -6 -c corpus.bin > c.gz' >> "$results"
measure gzip-decode sh -c 'gzip -d -c c.gz > /dev/null' >> "$results"

echo "corpus: ${mb} MB mixed (text, program code, random)"
awk '{ printf "%-22s %8.3f s %8.1f MB/s\n", $1, $2, $3 }' "$results"
speed() { awk -v n="$1" '$1 == n { print $3 }' "$results"; }
ratio() { awk -v a="$(speed "$1")" -v b="$(speed "$2")" 'BEGIN { printf "%.2f", a / b }'; }
echo "ratios (ours / theirs, higher is faster):"
echo "  lh5 decode vs lhasa:    $(ratio ours-lh5-decode lhasa-decode)"
echo "  lh5 decode vs jlha:     $(ratio ours-lh5-decode jlha-decode)"
echo "  lh5 encode vs jlha:     $(ratio ours-lh5-encode jlha-lh5-encode)"
echo "  deflate encode vs zip -6:  $(ratio ours-deflate-encode zip6-encode)  (target 0.8 or more)"
echo "  deflate encode vs gzip -6: $(ratio ours-deflate-encode gzip6-encode)"
echo "  inflate vs unzip:       $(ratio ours-deflate-decode unzip-decode)"
echo "  inflate vs gzip -d:     $(ratio ours-deflate-decode gzip-decode)"
