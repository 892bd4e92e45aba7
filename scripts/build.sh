#!/usr/bin/env bash
# Configures and builds the given presets (default: host windows). Build logs
# go to build/logs; a failing step prints the end of its log. The windows
# preset also leaves the release folder and its zip in build/windows/release.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mkdir -p build/logs
presets=("$@")
((${#presets[@]})) || presets=(host windows)
for preset in "${presets[@]}"; do
  log="build/logs/$preset.log"
  echo "build: $preset"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset" -j "$(nproc)"; } >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "build: $preset failed (whole log: $log)" >&2
    exit 1
  fi
done
if [ -f build/windows/release/folder.txt ] && [[ " ${presets[*]} " == *" windows "* ]]; then
  echo "build: release folder $(cat build/windows/release/folder.txt) (and .zip)"
fi
