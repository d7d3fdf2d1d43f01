#!/usr/bin/env bash
# The creation benchmark: folders of 1,000 and 10,000 small files, each packed into a ZIP and an LZH
# archive by CreateBench.exe through the program's own path and by the same library calls made straight;
# then the extraction benchmark: the same archives extracted again by ExtractBench.exe both ways.
# Prints seconds, the ratio and the cost per file; the stand-ins keep no call log while it is timed.
#   tests/operations/bench/run.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
build="$(cd "${1:-$root/build-bench}" 2>/dev/null && pwd || echo "${1:-$root/build-bench}")"
if [ ! -f "$build/CMakeCache.txt" ]; then
  . "$root/scripts/wine-env.sh"
  tolvenar_choose_arch
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$(tolvenar_toolchain "$TOLVENAR_ARCH")" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j3 --target CreateBench ExtractBench >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sources=()
for files in 1000 10000; do
  tree="$work/s$files/data"
  mkdir -p "$tree"
  # Files of a few dozen bytes spread over 50 folders.
  (cd "$tree" && for d in $(seq -w 0 49); do mkdir "dir$d"; done &&
    seq 0 $((files - 1)) | awk '{ printf "dir%02d/file%06d.txt\n", $1 % 50, $1 }' |
      while read -r f; do echo "small file $f" > "$f"; done)
  sources+=("Z:${work//\//\\}\\s$files")
done
mkdir -p "$work/scratch"

export TOLVENAR_STANDINS="$build/standins"
export TOLVENAR_BUILD_DIR="$build"
"$root/scripts/wine-run" "$build/bin/CreateBench.exe" "Z:${work//\//\\}\\scratch" "${sources[@]}" 2>/dev/null |
  tr -d '\r'
mkdir -p "$work/scratch-extract"
"$root/scripts/wine-run" "$build/bin/ExtractBench.exe" "Z:${work//\//\\}\\scratch-extract" "${sources[@]}" 2>/dev/null |
  tr -d '\r'
