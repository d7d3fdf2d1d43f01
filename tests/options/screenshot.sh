#!/usr/bin/env bash
# Shows an options dialog under the build's Wine prefix and Xvfb and saves a screenshot, to compare the
# layout with its control table by eye. Usage: tests/options/screenshot.sh <build-dir> <out.png> arc <tab>
set -eu
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$1" && pwd)"
out="$2"
shift 2
cmake --build "$build" --target OptionsShot -j3 >/dev/null
. "$here/../../scripts/wine-env.sh"
tolvenar_wine_env "$build/wineprefix" "$(tolvenar_build_arch "$build")"
WINEPATH="$build/standins" wine "$build/bin/OptionsShot.exe" "$@" &
pid=$!
sleep "${TOLVENAR_SHOT_DELAY:-6}"
import -display "$DISPLAY" -window root "$out"
kill "$pid" 2>/dev/null || true
wineserver -k >/dev/null 2>&1 || true
echo "$out"
