#!/usr/bin/env bash
# The listing benchmark: ZIP archives of 1,000, 10,000 and 50,000 entries made by Debian's zip, each listed
# by `7zz l` and opened into the entry list by ListingBench.exe, side by side. Prints seconds and the cost
# per entry; the stand-ins keep no call log meanwhile, so only the program's own work and the library's
# reading are timed.
#   tests/listing/bench/run.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
build="$(cd "${1:-$root/build-bench}" 2>/dev/null && pwd || echo "${1:-$root/build-bench}")"
if [ ! -f "$build/CMakeCache.txt" ]; then
  . "$root/scripts/wine-env.sh"
  tolvenar_choose_arch
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$(tolvenar_toolchain "$TOLVENAR_ARCH")" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j3 --target ListingBench >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
archives=()
for entries in 1000 10000 50000; do
  tree="$work/t$entries"
  mkdir -p "$tree"
  # Entries spread over 50 folders, with two extensions.
  (cd "$tree" && for d in $(seq -w 0 49); do mkdir "dir$d"; done &&
    seq 0 $((entries - 1)) | awk '{ printf "dir%02d/file%06d.%s\n", $1 % 50, $1, ($1 % 3 ? "txt" : "dat") }' |
      xargs touch)
  (cd "$tree" && zip -q -r -0 "$work/a$entries.zip" .)
  archives+=("$work/a$entries.zip")
done

sevens=()
for a in "${archives[@]}"; do
  start=$(date +%s.%N)
  7zz l "$a" >/dev/null
  sevens+=("$(echo "$(date +%s.%N) - $start" | bc)")
done

export TOLVENAR_STANDINS="$build/standins"
export TOLVENAR_BUILD_DIR="$build"
export TOLVENAR_STANDIN_LOG=-
winpaths=()
for a in "${archives[@]}"; do winpaths+=("Z:${a//\//\\}"); done
out="$("$root/scripts/wine-run" "$build/bin/ListingBench.exe" "${winpaths[@]}" 2>/dev/null | tr -d '\r')"

echo "Tolvenar: seconds from the call that opens the archive to the list filled and painted, per entry the"
echo "same, and the reading alone and the library's enumeration alone per entry (the best of three runs)."
echo "$out"
echo
echo "Side by side with 7zz l on the same archive (whole run of the command):"
printf "%8s %10s %10s %8s %22s\n" "entries" "7zz l s" "open s" "ratio" "us/entry since last"
echo "$out" | awk 'NR > 1 { print $1, $2 }' | {
  i=0
  last_entries=0
  last_seconds=0
  while read -r entries seconds; do
    marginal="-"
    if [ "$last_entries" -gt 0 ]; then
      marginal=$(printf "%.2f" "$(echo "($seconds - $last_seconds) * 1000000 / ($entries - $last_entries)" | bc -l)")
    fi
    printf "%8s %10.3f %10.3f %7.2fx %22s\n" "$entries" "${sevens[$i]}" "$seconds" \
      "$(echo "$seconds / ${sevens[$i]}" | bc -l)" "$marginal"
    last_entries=$entries
    last_seconds=$seconds
    i=$((i + 1))
  done
}
