#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVENAR_BUILD:-$root/build}"
jobs="$(nproc)"

bash "$root/scripts/setup.sh"

cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$jobs"

status=0
# Parts that run on the build machine itself (portable codecs against Debian's own tools, fuzzers).
if [ -f "$root/standins/native/CMakeLists.txt" ]; then
  cmake -S "$root/standins/native" -B "$build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build/native" -j"$jobs"
  (cd "$build/native" && ctest --output-on-failure -j"$jobs") || status=1
fi

. "$root/scripts/wine-env.sh"
tolvenar_wine_env "$build/win/wineprefix"
trap tolvenar_wine_stop EXIT
(cd "$build/win" && ctest --output-on-failure -j"$jobs") || status=1
exit $status
