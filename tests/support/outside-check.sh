# What the scripts share that let a test program write archives under Wine and then read them with
# Debian's own tools. Sourced, not run.

support_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# outside_run <test program> <stand-ins folder> <out folder> <variable> <gtest filter>: runs the tests under
# Wine with <variable> naming the out folder (as a Windows path) where they leave their archives.
outside_run() {
  local out_windows
  out_windows="Z:$(printf '%s' "$3" | tr / '\\')"
  env "$4=$out_windows" TOLVENAR_STANDINS="$2" TOLVENAR_SOURCE_DIR="$(cd "$support_dir/../.." && pwd)" \
    "$support_dir/../../scripts/wine-run" "$1" --gtest_filter="$5"
}

# to_utf8 <folder>: renames what a tool unpacked under code page 932 names to their UTF-8 form.
to_utf8() {
  find "$1" -depth -mindepth 1 | while IFS= read -r path; do
    name="$(basename "$path")"
    decoded="$(printf '%s' "$name" | iconv -f CP932 -t UTF-8)"
    [ "$name" = "$decoded" ] || mv "$path" "$(dirname "$path")/$decoded"
  done
}

# unpack <archive> <folder>: the archive's files into a new, empty folder, by the Debian tool of its type.
unpack() {
  local archive folder
  archive="$(realpath "$1")"
  folder="$2"
  rm -rf "$folder" && mkdir -p "$folder"
  case "$archive" in
    *.zip) unzip -q "$archive" -d "$folder" ;;
    *.lzh) (cd "$folder" && lhasa xq "$archive") ;;
    *) echo "no Debian tool set for $archive" >&2; return 1 ;;
  esac
}

# files_below <folder>: the files below it, as paths from it, sorted, one per line.
files_below() { (cd "$1" && find . -type f | cut -c3- | sort); }
