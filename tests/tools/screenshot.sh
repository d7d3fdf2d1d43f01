#!/usr/bin/env bash
# Shows one of the tools' dialogs under the build's Wine prefix and Xvfb and saves a screenshot, to compare
# the layout with its control table by eye. The stand-ins answer the About box's versions.
# Usage: tests/tools/screenshot.sh <build-dir> <passphrase|about|commandline|expand|property|listing|extract> [out.png]
set -eu
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$1" && pwd)"
which="$2"
out="${3:-$build/tools-$which.png}"
cmake --build "$build" --target ToolsShot standins -j3 >/dev/null
. "$here/../../scripts/wine-env.sh"
tolvenar_wine_env "$build/wineprefix" "$(tolvenar_build_arch "$build")"
export TOLVENAR_STANDINS_WIN="Z:${build//\//\\}\\standins"
export WINEDEBUG=-all
wine "$build/bin/ToolsShot.exe" "$which" &
pid=$!
sleep "${TOLVENAR_SHOT_DELAY:-5}"
import -display "$DISPLAY" -window root "$out"
kill "$pid" 2>/dev/null || true
wineserver -k >/dev/null 2>&1 || true
echo "$out"
