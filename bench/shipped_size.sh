#!/usr/bin/env bash
# Size of each program in the release folder, against the same program with
# its debug information still inside (the program and its .debug file
# together: the split moves the DWARF sections, nothing else). BENCH rows.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
release="${TAPVANE_BUILD:-$root/build/windows}/release"
[ -f "$release/folder.txt" ] || { echo "shipped_size: no release folder; run scripts/build.sh" >&2; exit 1; }
folder="$(cat "$release/folder.txt")"
for exe in "$folder"/*.exe; do
  name="$(basename "$exe")"
  awk -v name="$name" -v size="$(stat -c %s "$exe")" \
      -v debug="$(stat -c %s "$release/symbols/$name.debug")" 'BEGIN {
    mb = 1024 * 1024
    printf "BENCH | %s as shipped (stripped, debug information split off) | %.2f MB | with its debug information inside: %.1f MB | < 2.5 MB\n", name, size / mb, (size + debug) / mb
  }'
done
