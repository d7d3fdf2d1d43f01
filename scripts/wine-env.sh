# Sourced by the run and test scripts: a throw-away 32-bit Wine prefix with a Japanese locale, and a
# private Xvfb display when none is given.
#   tolvenar_wine_env <prefix-dir>   exports the environment and prepares the prefix once
#   tolvenar_display                 makes sure DISPLAY names a live X server

tolvenar_wine_env() {
  export WINEPREFIX="$1"
  export WINEARCH=win32
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  mkdir -p "$(dirname "$WINEPREFIX")"
  tolvenar_display
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tolvenar-ready" ]; then
      rm -rf "$WINEPREFIX"
      # Wine's server and desktop outlive this block: they must not hold the lock.
      wineboot -i >/dev/null 2>&1 9>&- || true
      local reg="$WINEPREFIX/tolvenar.reg"
      {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"MS UI Gothic"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
        printf '"MS Gothic"="IPAGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"ＭＳ 明朝"="IPAMincho"\r\n\r\n'
      } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
      wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1 9>&- || true
      wineserver -w 9>&-
      touch "$WINEPREFIX/.tolvenar-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
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
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  ) 8>"$state.lock"
  export DISPLAY="$(cut -d' ' -f2 "$state")"
}

# Ends the prefix's Wine processes and its private display.
tolvenar_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  local state="${WINEPREFIX:-/tmp/tolvenar}.xvfb"
  if [ -f "$state" ]; then kill "$(cut -d' ' -f1 "$state")" 2>/dev/null || true; rm -f "$state"; fi
}
