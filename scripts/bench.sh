#!/usr/bin/env bash
# Builds the release programs and runs every benchmark: the bench.* entries
# of CTest in the host and Windows builds (their output shown as they run),
# bench/shipped_size.sh and bench/idle_cost.sh; then prints one table of
# every BENCH row they printed. The whole output is kept in
# build/logs/bench.log.
#
#   scripts/bench.sh [IDLE_SECONDS]     one idle round, default 60 (3 rounds)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" host windows
log="$root/build/logs/bench.log"
: >"$log"
status=0
for folder in build/host build/windows; do
  ctest --test-dir "$folder" -R '^bench\.' --verbose --timeout 900 2>&1 | tee -a "$log" || status=1
done
"$root/bench/shipped_size.sh" 2>&1 | tee -a "$log" || status=1
"$root/bench/idle_cost.sh" "${1:-60}" 2>&1 | tee -a "$log" || status=1

echo
echo "| what is measured | figure | anchor | target |"
echo "|---|---|---|---|"
# CTest puts the test's number before each line of its output.
grep -o 'BENCH | .*' "$log" | sed -e 's/^BENCH //' -e 's/ *$/ |/'
if ((status)); then
  echo "bench: a benchmark failed (see $log)" >&2
fi
exit "$status"
