#!/usr/bin/env bash
# Splits a file into 100 MB (ZIP) pieces and joins them back with split(1) and cat(1), with the split and join
# engines alone and through the Dravisk and Molquen windows (under Wine, the windows shown), all on the same
# disk and in one run. Each step starts after a sync and is timed without one at its end; every step runs
# several times and the median is printed, with its ratio to split(1) or cat(1) (target: 1.25 or less).
# cat(1) writing a new file hands the copy to the kernel (copy_file_range), which no read-and-write copy can
# match; the joins are also set beside cat appending, which reads and writes as they do.
#   tests/splitjoin/bench/split-join-bench.sh <build folder> [size in MiB, default 1024] [runs, default 3]
# SPLIT_JOIN_BENCH_DIR names the folder to work in (default: the build folder), to measure another disk.
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
mib="${2:-1024}"
runs="${3:-3}"
[ "$runs" -ge 3 ] || { echo "at least three runs" >&2; exit 2; }
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bench="$build/bin/SplitJoinBench.exe"
[ -x "$bench" ] || { echo "build the SplitJoinBench target first: cmake --build $build --target SplitJoinBench" >&2; exit 2; }

work="${SPLIT_JOIN_BENCH_DIR:-$build}/split-join-bench-work"
rm -rf "$work"
mkdir -p "$work/src" "$work/times"
trap 'rm -rf "$work"' EXIT
head -c "$((mib * 1048576))" /dev/urandom >"$work/src/big.bin"
sync
bytes=$(stat -c %s "$work/src/big.bin")

now() { date +%s.%N; }
# record <step> <seconds>
record() { echo "$2" >>"$work/times/$1"; }
fresh() { rm -rf "$work/pieces" "$work/restored"; mkdir -p "$work/pieces" "$work/restored"; sync; }
same() { cmp -s "$work/src/big.bin" "$1" || { echo "$2 did not restore the file" >&2; exit 1; }; }

. "$here/../../../scripts/wine-env.sh"
tolvenar_wine_env "$build/wineprefix" "$(tolvenar_build_arch "$build")"
win() { winepath -w "$1" 2>/dev/null; }
# One Wine server for every step, started and warmed up before any timing, so its start-up services do not
# run beside the timed work.
wineserver -p
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
wine "$bench" >/dev/null 2>&1 || true
# wine_step <split|join|dravisk|molquen> <input> <output folder>
wine_step() {
  local line
  line="$(wine "$bench" "$1" "$(win "$2")" "$(win "$3")")" || { echo "$1 failed" >&2; exit 1; }
  record "$1" "$(awk '{ print $2 }' <<<"$line")"
}

for run in $(seq "$runs"); do
  fresh
  t0=$(now)
  split -b 95420416 -a 3 -d "$work/src/big.bin" "$work/pieces/big."
  t1=$(now)
  record native_split "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
  sync
  t0=$(now)
  cat "$work"/pieces/big.* >"$work/restored/big.bin"
  t1=$(now)
  record native_join "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
  same "$work/restored/big.bin" "cat"
  # Appending, cat cannot hand the copy to the kernel and reads and writes 128 KiB at a time, as the engine.
  rm -f "$work/restored/big.bin"
  : >"$work/restored/big.bin"
  sync
  t0=$(now)
  cat "$work"/pieces/big.* >>"$work/restored/big.bin"
  t1=$(now)
  record native_join_rw "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
  same "$work/restored/big.bin" "cat >>"

  for way in engine window; do
    fresh
    if [ "$way" = engine ]; then split_step=split join_step=join; else split_step=dravisk join_step=molquen; fi
    wine_step "$split_step" "$work/src/big.bin" "$work/pieces"
    sync
    wine_step "$join_step" "$work/pieces/big.000" "$work/restored"
    same "$work/restored/big.bin" "$join_step"
  done
done

median() { sort -g "$work/times/$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
line() {
  local m all
  m="$(median "$2")"
  all="$(awk '{ printf "%s%.2f", (NR > 1 ? " " : ""), $1 }' "$work/times/$2")"
  awk -v name="$1" -v s="$m" -v b="$bytes" -v base="${3:-}" -v all="$all" 'BEGIN {
    printf "%-16s %8.2f s %9.1f MB/s", name, s, b / 1048576 / s
    printf "   %-7s", (base != "" ? sprintf("%.2fx", s / base) : "")
    printf "   runs: %s\n", all }'
}
echo "file: $bytes bytes, pieces of 95,420,416 bytes, median of $runs runs (ratio: time against split(1) or cat(1))"
line "split(1)" native_split
line "split engine" split "$(median native_split)"
line "Dravisk window" dravisk "$(median native_split)"
line "cat(1)" native_join
line "join engine" join "$(median native_join)"
line "Molquen window" molquen "$(median native_join)"
echo "against cat(1) appending (its reads and writes, no copy inside the kernel):"
line "cat(1) >>" native_join_rw
line "join engine" join "$(median native_join_rw)"
line "Molquen window" molquen "$(median native_join_rw)"
