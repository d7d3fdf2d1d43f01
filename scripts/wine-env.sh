# Sourced by the run and test scripts: the choice of build for this machine, a throw-away Wine prefix with a
# Japanese locale, and a private Xvfb display when none is given.
#   tolvenar_choose_arch             sets TOLVENAR_ARCH (i686 or x86_64) and TOLVENAR_ARCH_WHY
#   tolvenar_toolchain <arch>        prints the toolchain file of that build
#   tolvenar_build_arch <build-dir>  prints the arch a configured build folder targets
#   tolvenar_wine_env <prefix-dir> [arch]
#                                    exports the environment and prepares the prefix once
#   tolvenar_display                 makes sure DISPLAY names a live X server
#   tolvenar_wine_stop               ends the prefix's Wine processes and its private display

tolvenar_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

tolvenar_fail() {
  echo "$*" >&2
  exit 1
}

# The deliverables are 32-bit programs; where the kernel runs no 32-bit programs (the i386 Wine loader cannot
# start), the same sources are built for x86_64 and tested in a 64-bit prefix instead.
tolvenar_choose_arch() {
  if [ -n "${TOLVENAR_ARCH:-}" ]; then
    case "$TOLVENAR_ARCH" in
      i686 | x86_64) TOLVENAR_ARCH_WHY="TOLVENAR_ARCH=$TOLVENAR_ARCH was given" ;;
      *) tolvenar_fail "TOLVENAR_ARCH must be i686 or x86_64, not '$TOLVENAR_ARCH'" ;;
    esac
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    TOLVENAR_ARCH=i686
    TOLVENAR_ARCH_WHY="this machine runs 32-bit programs"
  else
    TOLVENAR_ARCH=x86_64
    TOLVENAR_ARCH_WHY="this machine runs no 32-bit programs: /usr/lib/wine/wine cannot start"
  fi
  export TOLVENAR_ARCH TOLVENAR_ARCH_WHY
}

tolvenar_toolchain() {
  echo "$tolvenar_root/cmake/mingw-$1.cmake"
}

tolvenar_build_arch() {
  if grep -q '^TOLVENAR_TARGET_ARCH:INTERNAL=x86_64$' "$1/CMakeCache.txt" 2>/dev/null; then
    echo x86_64
  elif [ -f "$1/CMakeCache.txt" ]; then
    echo i686
  fi
}

# The Wine loader of a build. /usr/bin/wine always picks the i386 loader when it is installed, even where it
# cannot start, so every Wine command of ours goes through a small folder of shims that names the loader.
tolvenar_wine_loader() {
  case "$1" in
    i686) echo /usr/lib/wine/wine ;;
    x86_64) echo /usr/lib/wine/wine64 ;;
  esac
}

# Test programs start side by side: each shim is written once, under a name of this process, and moved into
# place whole, so no caller ever sees a missing or half-written one.
tolvenar_wine_shims() {
  local dir="$1" loader="$2" name text
  text="$(printf '#!/bin/sh\nexec %s "$@"' "$loader")"
  mkdir -p "$dir"
  for name in wine wine-stable wine64; do
    if [ -x "$dir/$name" ] && [ "$(cat "$dir/$name")" = "$text" ]; then continue; fi
    printf '%s\n' "$text" >"$dir/$name.$$"
    chmod +x "$dir/$name.$$"
    mv -f "$dir/$name.$$" "$dir/$name"
  done
}

tolvenar_wine_env() {
  local arch="${2:-}"
  if [ -z "$arch" ]; then
    [ -n "${TOLVENAR_ARCH:-}" ] || tolvenar_choose_arch
    arch="$TOLVENAR_ARCH"
  fi
  local loader
  loader="$(tolvenar_wine_loader "$arch")"
  [ -n "$loader" ] || tolvenar_fail "Unknown build '$arch': expected i686 or x86_64."
  if ! "$loader" --version >/dev/null 2>&1; then
    tolvenar_fail "Wine set-up failed: the Wine loader $loader for the $arch build cannot start on this machine." \
      "Install Wine with bash scripts/setup.sh, or test the other build (TOLVENAR_ARCH=i686 or x86_64)."
  fi

  export WINEPREFIX="$1"
  if [ "$arch" = i686 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
  export WINELOADER="$loader"
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  mkdir -p "$(dirname "$WINEPREFIX")"
  tolvenar_wine_shims "$WINEPREFIX.bin" "$loader"
  case ":$PATH:" in
    *":$WINEPREFIX.bin:"*) ;;
    *) export PATH="$WINEPREFIX.bin:$PATH" ;;
  esac
  tolvenar_display

  # The prefix is made once; each step is checked, so that a failure names itself here and not as a missing
  # file in a later step. The block runs in a subshell: its exit ends only the subshell, and the status is
  # passed on below.
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tolvenar-ready" ]; then
      rm -rf "$WINEPREFIX"
      # Wine's server and desktop outlive this block: they must not hold the lock.
      wineboot -i >/dev/null 2>&1 9>&- || true
      wineserver -w 9>&-
      if [ ! -f "$WINEPREFIX/system.reg" ]; then
        tolvenar_fail "Wine set-up failed: 'wineboot -i' made no prefix at $WINEPREFIX (loader $loader," \
          "WINEARCH=$WINEARCH). Run it by hand with WINEDEBUG=err+all to see why."
      fi
      local reg="$WINEPREFIX/tolvenar.reg"
      {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"MS UI Gothic"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
        printf '"MS Gothic"="IPAGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"ＭＳ 明朝"="IPAMincho"\r\n\r\n'
      } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg" ||
        tolvenar_fail "Wine set-up failed: could not write $reg."
      local regwin
      regwin="$(winepath -w "$reg" 2>/dev/null 9>&-)"
      [ -n "$regwin" ] || tolvenar_fail "Wine set-up failed: winepath could not name $reg for Wine."
      wine regedit /S "$regwin" >/dev/null 2>&1 9>&- || true
      wineserver -w 9>&-
      if ! grep -q 'ShowCrashDialog' "$WINEPREFIX/user.reg" ||
        ! grep -q 'Fonts\\\\Replacements' "$WINEPREFIX/user.reg"; then
        tolvenar_fail "Wine set-up failed: regedit did not import the crash-dialog and font settings into" \
          "$WINEPREFIX/user.reg."
      fi
      touch "$WINEPREFIX/.tolvenar-ready"
    fi
  ) 9>"$WINEPREFIX.lock" || exit 1
}

tolvenar_display() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local state="${WINEPREFIX:-/tmp/tolvenar}.xvfb"
  (
    flock 8
    if [ -f "$state" ] && kill -0 "$(cut -d' ' -f1 "$state")" 2>/dev/null; then exit 0; fi
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    # The server must not inherit the lock, or every later caller would wait on it for ever.
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 8>&- &
    echo "$! :$n" >"$state"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && exit 0; sleep 0.1; done
    exit 1
  ) 8>"$state.lock" || tolvenar_fail "Wine set-up failed: Xvfb did not start (is the xvfb package installed?)."
  export DISPLAY="$(cut -d' ' -f2 "$state")"
}

# Ends the prefix's Wine processes and its private display.
tolvenar_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  local state="${WINEPREFIX:-/tmp/tolvenar}.xvfb"
  if [ -f "$state" ]; then kill "$(cut -d' ' -f1 "$state")" 2>/dev/null || true; rm -f "$state"; fi
}
