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

# to_utf8 <folder>: renames what a tool unpacked under code page 932 names to their UTF-8 form. A name the
# tool already turned into UTF-8 (lhasa does for some) stays. The names are read byte by byte: in a UTF-8
# locale a name ending in the lead byte of a code page 932 character would take the line end with it.
to_utf8() {
  local LC_ALL=C
  find "$1" -depth -mindepth 1 | while IFS= read -r path; do
    name="$(basename "$path")"
    printf '%s' "$name" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 && continue
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
    *.cab) cabextract -q -d "$folder" "$archive" ;;
    *.tar | *.tgz | *.tbz) tar xf "$archive" -C "$folder" ;;
    *) echo "no Debian tool set for $archive" >&2; return 1 ;;
  esac
}

# files_below <folder>: the files below it, as paths from it, sorted, one per line.
files_below() { (cd "$1" && find . -type f | cut -c3- | sort); }

# digests <folder>: the digests of the files below it, sorted: their bytes whatever their names (sha256sum
# marks the line of a name holding a backslash, as the second byte of a code page 932 character may be, with
# a leading one).
digests() { (cd "$1" && find . -type f -exec sha256sum {} + | cut -d' ' -f1 | sed 's/^\\//' | sort); }

# zip_matches <zip> <folder it was unpacked into> <source folder>: Debian's unzip turns the code page 932
# names of a zip made on Windows into Latin-1 guesses, so the bytes are compared by digest and the names as
# the zip stores them.
zip_matches() {
  local names
  names="$(python3 -c '
import sys, zipfile
for entry in zipfile.ZipFile(sys.argv[1]).infolist():
    name = entry.filename if entry.flag_bits & 0x800 else entry.filename.encode("cp437").decode("cp932")
    if not name.endswith("/"): print(name)' "$1" | sort)"
  [ "$(digests "$3")" = "$(digests "$2")" ] && [ "$names" = "$(files_below "$3")" ]
}
