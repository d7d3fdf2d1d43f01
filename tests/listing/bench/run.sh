#!/usr/bin/env bash
# Builds the listing benchmark in a build folder (default: build-bench beside the sources) and prints the
# time per entry for reading and for filling the entry list at 1,000, 10,000 and 50,000 entries.
#   tests/listing/bench/run.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
build="${1:-$root/build-bench}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  . "$root/scripts/wine-env.sh"
  tolvenar_choose_arch
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$(tolvenar_toolchain "$TOLVENAR_ARCH")" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j3 --target ListingBench >/dev/null
standins="$build/standins"
export TOLVENAR_STANDINS="$standins"
export TOLVENAR_BUILD_DIR="$build"
exec "$root/scripts/wine-run" "$build/bin/ListingBench.exe"
