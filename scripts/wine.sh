#!/usr/bin/env bash
# The one Wine environment of Tapvane: used by the run command, by the tests
# and as CTest's cross-compiling emulator.
#
#   wine.sh start        X display (private Xvfb unless told otherwise), prefix,
#                        and one persistent wineserver
#   wine.sh run EXE ...  run a Windows program in that environment
#   wine.sh stop         stop the wineserver and the Xvfb that start began
#   wine.sh shot FILE    save a PNG screenshot of the display
#   wine.sh song-face    the face Wine draws 宋体 (SimSun) with
#
# Variables a developer can set:
#   TAPVANE_WINE_DIR   state folder: prefix, display, logs (default build/wine)
#   TAPVANE_DISPLAY    "private" for an Xvfb of our own, "inherit" to use
#                      $DISPLAY (default: inherit when $DISPLAY is set, except
#                      for tests, which set private)
#   TAPVANE_WINE64     the wine64 loader (default /usr/lib/wine/wine64)
#   TAPVANE_WINESERVER the wineserver (default /usr/lib/wine/wineserver)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="${TAPVANE_WINE_DIR:-$root/build/wine}"
wine64="${TAPVANE_WINE64:-/usr/lib/wine/wine64}"
wineserver="${TAPVANE_WINESERVER:-/usr/lib/wine/wineserver}"

export WINEPREFIX="$dir/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

xvfb_alive() {
  [ -f "$dir/xvfb.pid" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null
}

start_xvfb() {
  local n
  for n in $(seq 90 250); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 < /dev/null &
    echo $! >"$dir/xvfb.pid"
    local i
    for i in $(seq 1 100); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then echo ":$n" >"$dir/display"; return 0; fi
      kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null || break
      sleep 0.05
    done
  done
  echo "wine.sh: could not start Xvfb" >&2
  return 1
}

use_display() {
  mkdir -p "$dir"
  if xvfb_alive && [ -f "$dir/display" ]; then
    export DISPLAY="$(cat "$dir/display")"
    return
  fi
  local mode="${TAPVANE_DISPLAY:-}"
  if [ -z "$mode" ]; then
    if [ -n "${DISPLAY:-}" ]; then mode=inherit; else mode=private; fi
  fi
  if [ "$mode" = private ] || [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    export DISPLAY="$(cat "$dir/display")"
  else
    rm -f "$dir/display"
  fi
}

# wineboot links the user's shell folders (Desktop, Documents, ...) to $HOME,
# which every prefix on the machine would then share: a test that counts the
# shortcuts on the desktop would see another run's. Each prefix gets folders
# of its own.
private_user_folders() {
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    [ -L "$link" ] || continue
    rm -f "$link"
    mkdir -p "$link"
  done
}

# The face Wine draws 宋体/SimSun with, the interface's Chinese font.
# WenQuanYi Micro Hei has outlines only: Zen Hei's embedded bitmap strikes
# come out under Wine at 9 pt as other characters or half ones. Its Mono face
# sets Latin letters and spaces half as wide as a Chinese character, as 宋体
# does, so that texts laid out with spaces line up as on Windows.
song_face="WenQuanYi Micro Hei Mono"

# The settings every prefix carries, as a registry file for regedit.
write_settings() {
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    # Chinese text needs a CJK face behind the names the interface asks for.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"宋体"="%s"\r\n"SimSun"="%s"\r\n\r\n' "$song_face" "$song_face"
    # Grey smoothing, as a Windows desktop draws text: the small sizes keep
    # their strokes, and pictures have no colour fringes.
    printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="2"\r\n'
    printf '"FontSmoothingType"=dword:00000001\r\n"FontSmoothingGamma"=dword:000003e8\r\n'
    printf '"FontSmoothingOrientation"=dword:00000001\r\n\r\n'
    # Wine draws the frames itself (no window manager), as Windows would.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$1"
}

# Applies the settings when they differ from those the prefix last took, so
# that a prefix made before a change picks it up. The running wineserver
# holds the registry: later processes see the values at once.
apply_settings() {
  local reg="$dir/settings.$$.reg" applied="$WINEPREFIX/.tapvane-settings.reg"
  write_settings "$reg"
  if cmp -s "$reg" "$applied"; then
    rm -f "$reg"
    return 0
  fi
  "$wine64" regedit /S "$(winepath_of "$reg")" >>"$dir/wineboot.log" 2>&1
  mv -f "$reg" "$applied"
}

make_prefix() {
  if [ ! -f "$WINEPREFIX/.tapvane-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine64" wineboot -i >"$dir/wineboot.log" 2>&1 || true
    "$wineserver" -w
    touch "$WINEPREFIX/.tapvane-ready"
  fi
  apply_settings
  private_user_folders
}

winepath_of() {
  # Z: maps the Unix root in every Wine prefix.
  printf 'Z:%s' "$(echo "$1" | tr '/' '\\')"
}

cmd="${1:-}"; shift || true
case "$cmd" in
  start)
    use_display
    make_prefix
    "$wineserver" -p </dev/null >/dev/null 2>&1 || true
    # The first Wine process boots the services and the desktop, which then
    # live as long as the server; boot them here so that they do not hold on
    # to the output of whatever test happens to run first.
    "$wine64" cmd.exe /c exit </dev/null >/dev/null 2>&1
    echo "wine.sh: WINEPREFIX=$WINEPREFIX DISPLAY=$DISPLAY"
    ;;
  run)
    use_display
    make_prefix
    exec "$wine64" "$@"
    ;;
  stop)
    "$wineserver" -k 2>/dev/null && "$wineserver" -w 2>/dev/null || true
    if xvfb_alive; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$dir/xvfb.pid" "$dir/display"
    ;;
  shot)
    use_display
    import -display "$DISPLAY" -window root "$1"
    ;;
  song-face)
    echo "$song_face"
    ;;
  env)
    use_display
    printf 'export WINEPREFIX=%q WINEDEBUG=%q WINEDLLOVERRIDES=%q DISPLAY=%q\n' \
      "$WINEPREFIX" "$WINEDEBUG" "$WINEDLLOVERRIDES" "$DISPLAY"
    ;;
  *)
    sed -n '2,19p' "$0"
    exit 2
    ;;
esac
