#!/usr/bin/env bash
# Splits and joins a 1 GB file with the split and join engines (under Wine) and with split(1) and cat(1)
# on the same disk (each step starts after a sync and is timed without one at its end), and prints the throughput of each and the engines' share of it (target: 0.8 or more).
#   tests/splitjoin/bench/split-join-bench.sh <build folder> [size in MiB, default 1024]
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
mib="${2:-1024}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bench="$build/bin/SplitJoinBench.exe"
[ -x "$bench" ] || { echo "build the SplitJoinBench target first: cmake --build $build --target SplitJoinBench" >&2; exit 2; }

work="$build/bench-work"
rm -rf "$work"
mkdir -p "$work/src" "$work/native" "$work/pieces" "$work/restored"
trap 'rm -rf "$work"' EXIT
head -c "$((mib * 1048576))" /dev/urandom >"$work/src/big.bin"
bytes=$(stat -c %s "$work/src/big.bin")

now() { date +%s.%N; }
rate() { awk -v b="$bytes" -v s="$1" 'BEGIN { printf "%8.2f s %9.1f MB/s", s, b / 1048576 / s }'; }

sync
t0=$(now)
split -b 95420416 -a 3 -d "$work/src/big.bin" "$work/native/big."
t1=$(now)
sync
t1b=$(now)
cat "$work"/native/big.* >"$work/native/joined.bin"
t2=$(now)
cmp -s "$work/src/big.bin" "$work/native/joined.bin" || { echo "cat did not restore the file" >&2; exit 1; }
native_split=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
native_join=$(awk -v a="$t1b" -v b="$t2" 'BEGIN { print b - a }')
rm -rf "$work/native"

. "$here/../../../scripts/wine-env.sh"
tolvenar_wine_env "$build/wineprefix" "$(tolvenar_build_arch "$build")"
win() { winepath -w "$1" 2>/dev/null; }
# One Wine server for both steps, started and warmed up before any timing, so its start-up services do not
# run beside the timed work.
wineserver -p
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
wine "$bench" >/dev/null 2>&1 || true
sync
wine "$bench" split "$(win "$work/src/big.bin")" "$(win "$work/pieces")" >"$work/engine.txt"
sync
wine "$bench" join "$(win "$work/pieces/big.000")" "$(win "$work/restored")" >>"$work/engine.txt"
cmp -s "$work/src/big.bin" "$work/restored/big.bin" || { echo "the join engine did not restore the file" >&2; exit 1; }
engine_split=$(awk '/^split/ { print $2 }' "$work/engine.txt")
engine_join=$(awk '/^join/ { print $2 }' "$work/engine.txt")

echo "file: $bytes bytes, pieces of 95,420,416 bytes"
echo "split(1)       $(rate "$native_split")"
echo "split engine   $(rate "$engine_split")   share $(awk -v n="$native_split" -v e="$engine_split" 'BEGIN { printf "%.2f", n / e }')"
echo "cat(1)         $(rate "$native_join")"
echo "join engine    $(rate "$engine_join")   share $(awk -v n="$native_join" -v e="$engine_join" 'BEGIN { printf "%.2f", n / e }')"
