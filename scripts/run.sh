#!/usr/bin/env bash
# Sets up the machine, builds everything and starts Tolvenar under Wine with the stand-in archivers on its
# search path. Without a display it runs under a private Xvfb and saves a screenshot of the window.
# It starts the build this machine can run: the 32-bit deliverables, or the 64-bit build where the kernel
# runs no 32-bit programs (TOLVENAR_ARCH=i686|x86_64 chooses).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TOLVENAR_BUILD:-$root/build}"

# A fresh shell after the set-up: one started before the Japanese locale was generated cannot switch to it.
if [ -z "${TOLVENAR_SET_UP:-}" ]; then
  bash "$root/scripts/setup.sh"
  TOLVENAR_SET_UP=1 exec bash "${BASH_SOURCE[0]}" "$@"
fi

had_display="${DISPLAY:-}"
. "$root/scripts/wine-env.sh"
tolvenar_choose_arch
echo "Starting the $TOLVENAR_ARCH build: $TOLVENAR_ARCH_WHY."
folder="$build/win"
[ "$TOLVENAR_ARCH" = x86_64 ] && folder="$build/win64"
cmake -S "$root" -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$(tolvenar_toolchain "$TOLVENAR_ARCH")" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$folder" -j"${TOLVENAR_JOBS:-$(nproc)}"

exe="$folder/bin/Tolvenar.exe"
tolvenar_wine_env "$folder/wineprefix" "$TOLVENAR_ARCH"
# The stand-ins are found through PATH only; they are never copied beside the program.
export WINEPATH="$(winepath -w "$folder/standins" 2>/dev/null || true)"

if [ -n "$had_display" ]; then
  wine "$exe" "$@"
else
  trap tolvenar_wine_stop EXIT
  # Xvfb has no window manager: a Wine desktop window draws the frames and captions.
  wine explorer /desktop=Tolvenar,1024x768 "$exe" "$@" &
  sleep "${TOLVENAR_SHOT_DELAY:-10}"
  shot="$build/tolvenar-screenshot.png"
  import -window root "$shot"
  echo "No display: Tolvenar ran under Xvfb; screenshot saved to $shot"
fi
