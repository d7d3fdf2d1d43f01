#!/usr/bin/env bash
# Runs INSTALL.EXE end to end in a Wine prefix of its own, so the associations, shortcuts, system-folder
# library and registry values it writes never reach another test's prefix. A pristine prefix is made once per
# build folder and copied for each run; the delivered files are copied into a source folder of this run.
# Arguments: <test program> <folder of the built deliverables> <scratch folder> <build folder>
set -eu
test_exe="$1" bin="$(cd "$2" && pwd)" work="$3" build="$(cd "$4" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../../scripts/wine-env.sh"
arch="$(tolvenar_build_arch "$build")"
[ -n "$arch" ] || tolvenar_fail "$build is not a configured build folder"

rm -rf "$work"
mkdir -p "$work/配布"
work="$(cd "$work" && pwd)"
cp "$bin/INSTALL.exe" "$work/配布/INSTALL.EXE"
for file in Tolvenar.exe Dravisk.exe Molquen.exe ShTolvenar.dll; do cp "$bin/$file" "$work/配布/$file"; done
printf '第1条 使用許諾\r\n本ソフトウェアは無保証です。\r\n' | iconv -f UTF-8 -t CP932 >"$work/配布/License.txt"
printf 'history\r\n' >"$work/配布/History.txt"
printf 'readme\r\n' >"$work/配布/README.TXT"
# The stand-in archivers lie beside the installer too, as in a folder a developer runs it from: the test
# checks that none of them is installed. Their names go to the test as they were built.
standins=()
for file in "$build/standins/"*.dll "$build/standins/"*.exe "$build/standins/"*.dat; do
  [ -f "$file" ] || continue
  cp "$file" "$work/配布/"
  standins+=("$(basename "$file")")
done
[ "${#standins[@]}" -gt 0 ] || tolvenar_fail "no stand-ins in $build/standins"

# Wine links the prefix's desktop and documents to the home folder it finds: a scratch home keeps the
# shortcuts off the machine's own desktop.
export HOME="$build/installer-home"
mkdir -p "$HOME"
template="$build/installer-wineprefix"
if [ ! -f "$template/.tolvenar-ready" ]; then
  (
    tolvenar_wine_env "$template" "$arch"
    tolvenar_wine_stop
  )
fi
cp -a "$template" "$work/prefix"
# The copied shell folders lead back to the template's home; this run gets folders of its own.
for link in "$work/prefix/drive_c/users/"*/*; do
  if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
done

tolvenar_wine_env "$work/prefix" "$arch"
trap tolvenar_wine_stop EXIT
source_windows="Z:$(printf '%s' "$work/配布" | tr / '\\')"
TOLVENAR_INSTALL_SOURCE="$source_windows" TOLVENAR_STANDIN_FILES="$(IFS=";"; echo "${standins[*]}")" wine "$test_exe"
