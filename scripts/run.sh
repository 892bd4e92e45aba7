#!/usr/bin/env bash
# Builds Tapvane.exe and starts its release build under Wine: on $DISPLAY
# when there is one, otherwise on a private Xvfb, where a screenshot of the
# window is saved.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" host windows
export TAPVANE_WINE_DIR="$root/build/run"
wine="$root/scripts/wine.sh"
# The release folder's program: stripped, exactly what the zip holds.
exe="$(cat "$root/build/windows/release/folder.txt")/Tapvane.exe"
if [ -n "${DISPLAY:-}" ] && [ "${TAPVANE_DISPLAY:-inherit}" != private ]; then
  export TAPVANE_DISPLAY=inherit
  "$wine" start >/dev/null
  echo "run: Tapvane is starting on $DISPLAY"
  status=0
  "$wine" run "$exe" || status=$?
  "$wine" stop
  exit "$status"
fi
export TAPVANE_DISPLAY=private
"$wine" start >/dev/null
trap '"$wine" stop' EXIT
"$wine" run "$exe" &
pid=$!
sleep "${TAPVANE_SHOT_DELAY:-6}"
shot="$root/build/run/Tapvane.png"
"$wine" shot "$shot"
echo "run: no display here, so Tapvane runs on a private Xvfb; screenshot: $shot"
echo "run: press Ctrl+C to stop it"
wait "$pid"
