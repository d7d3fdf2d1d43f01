#!/usr/bin/env bash
# Shows the winui test form under the build's Wine prefix and Xvfb and saves a screenshot, to compare the
# layout with its control table by eye. Usage: tests/winui/screenshot.sh <build-dir> [out.png] [dialog]
set -eu
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$1" && pwd)"
out="${2:-$build/winui-probe.png}"
cmake --build "$build" --target WinuiProbeShot -j3 >/dev/null
. "$here/../../scripts/wine-env.sh"
tolvenar_wine_env "$build/wineprefix" "$(tolvenar_build_arch "$build")"
wine "$build/bin/WinuiProbeShot.exe" ${3:-} &
pid=$!
sleep "${TOLVENAR_SHOT_DELAY:-5}"
import -display "$DISPLAY" -window root "$out"
kill "$pid" 2>/dev/null || true
wineserver -k >/dev/null 2>&1 || true
echo "$out"
