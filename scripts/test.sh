#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite. Exits non-zero on any failure.
# The 32-bit deliverables are always compiled; the suite runs on the build this machine can run (the 64-bit
# one where the kernel runs no 32-bit programs; TOLVENAR_ARCH=i686|x86_64 chooses).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVENAR_BUILD:-$root/build}"
jobs="${TOLVENAR_JOBS:-$(nproc)}"

# A fresh shell after the set-up: one started before the Japanese locale was generated cannot switch to it.
if [ -z "${TOLVENAR_SET_UP:-}" ]; then
  bash "$root/scripts/setup.sh"
  TOLVENAR_SET_UP=1 exec bash "${BASH_SOURCE[0]}" "$@"
fi

. "$root/scripts/wine-env.sh"
tolvenar_choose_arch
echo "Testing the $TOLVENAR_ARCH build: $TOLVENAR_ARCH_WHY."

# build_windows <arch> <folder>
build_windows() {
  cmake -S "$root" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$(tolvenar_toolchain "$1")" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$2" -j"$jobs"
}
build_windows i686 "$build/win"
tested="$build/win"
if [ "$TOLVENAR_ARCH" = x86_64 ]; then
  build_windows x86_64 "$build/win64"
  tested="$build/win64"
fi

status=0
# The portable codecs of the stand-ins, run on the build machine itself against Debian's own tools.
cmake -S "$root/standins/native" -B "$build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/native" -j"$jobs"
(cd "$build/native" && ctest --output-on-failure -j"$jobs") || status=1

tolvenar_wine_env "$tested/wineprefix" "$TOLVENAR_ARCH"
trap tolvenar_wine_stop EXIT
(cd "$tested" && ctest --output-on-failure -j"$jobs") || status=1
exit $status
