#!/usr/bin/env bash
# Shows the main window under the build's Wine prefix and Xvfb, once closed and once with each menu of the
# bar open, and saves the screenshots, to compare with the window's control and menu tables by eye.
# Usage: tests/mainwindow/screenshot.sh <build-dir> [out-folder]
set -eu
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$1" && pwd)"
out="${2:-$build/mainwindow-shots}"
mkdir -p "$out"
cmake --build "$build" --target MainWindowShot -j3 >/dev/null
. "$here/../../scripts/wine-env.sh"
tolvenar_wine_env "$build/wineprefix" "$(tolvenar_build_arch "$build")"
for menu in none f e v t o h; do
  arg="$menu"
  [ "$menu" = none ] && arg=""
  wine explorer /desktop=MainShot,1100x700 "$build/bin/MainWindowShot.exe" $arg &
  pid=$!
  sleep "${TOLVENAR_SHOT_DELAY:-6}"
  import -display "$DISPLAY" -window root "$out/main-$menu.png"
  kill "$pid" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  echo "$out/main-$menu.png"
done
