#!/usr/bin/env bash
# Memory and CPU of the release Tapvane.exe left idle under Wine (window
# shown, capture timer running), against our plain Win32 window with the
# same 100 ms timer job (bench/win32/plain_window). Both run side by side in
# one Wine environment on a private Xvfb and are measured over the same
# intervals: anonymous memory from /proc/PID/smaps_rollup at the end, CPU
# as the growth of its threads' run time (median of the rounds). Rows in the
# BENCH format.
#
#   bench/idle_cost.sh [SECONDS]     interval of one round, default 60
#
# Variables: TAPVANE_BUILD (the Windows build folder, default build/windows),
# TAPVANE_IDLE_SETTLE (seconds both programs get to start, default 8),
# TAPVANE_IDLE_ROUNDS (rounds of SECONDS each, medians printed, default 3),
# TAPVANE_IDLE_PROGRAM (the program measured, default the release folder's
# Tapvane.exe), TAPVANE_IDLE_CURSOR ("away" moves the pointer into the
# screen's corner, over neither window; by default it stays where the X
# server put it, the screen's centre, which Tapvane's window covers).
#
# The pointer matters under Wine: a window that asked for WM_MOUSELEAVE
# (the toolkit does, for its controls' mouse enter and leave) is polled by
# Wine for as long as the pointer rests on it, every 2 s as the toolkit asks
# (every 400 ms, the hover time, for a plain request); the plain window asks
# for nothing and is never polled.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAPVANE_BUILD:-$root/build/windows}"
seconds="${1:-60}"
settle="${TAPVANE_IDLE_SETTLE:-8}"
rounds_wanted="${TAPVANE_IDLE_ROUNDS:-3}"
folder_file="$build/release/folder.txt"
[ -f "$folder_file" ] || { echo "idle_cost: no release folder; run scripts/build.sh" >&2; exit 1; }
program="${TAPVANE_IDLE_PROGRAM:-$(cat "$folder_file")/Tapvane.exe}"
plain="$build/bench/win32/plain_window/bench_plain_window.exe"
for exe in "$program" "$plain"; do
  [ -f "$exe" ] || { echo "idle_cost: $exe is missing; run scripts/build.sh" >&2; exit 1; }
done

# A Wine environment of its own, so nothing else runs in its wineserver.
export TAPVANE_WINE_DIR="$build/bench-idle" TAPVANE_DISPLAY=private
wine="$root/scripts/wine.sh"
"$wine" start >/dev/null
pids=()
stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  "$wine" stop
}
trap stop_all EXIT

# wine.sh execs the Wine loader, which becomes the Windows process, so the
# background job's id is the program's own process.
"$wine" run "$program" >/dev/null 2>&1 &
pids+=($!)
"$wine" run "$plain" >/dev/null 2>&1 &
pids+=($!)
sleep "$settle"
where=""
if [ "${TAPVANE_IDLE_CURSOR:-}" = away ]; then
  (
    export DISPLAY="$(cat "$TAPVANE_WINE_DIR/display")"
    read -r width height < <(xdotool getdisplaygeometry)
    xdotool mousemove --sync "$((width - 1))" "$((height - 1))"
  )
  where=", pointer over neither window"
  sleep 1
fi
names=("$(basename "$program")" "$(basename "$plain")")
for i in 0 1; do
  kill -0 "${pids[i]}" 2>/dev/null || { echo "idle_cost: ${names[i]} ended early" >&2; exit 1; }
  tr '\0' ' ' <"/proc/${pids[i]}/cmdline" | grep -qF "${names[i]}" ||
    { echo "idle_cost: process ${pids[i]} is not ${names[i]}" >&2; exit 1; }
done

# Run time of a whole process in nanoseconds: the sum over its threads of
# the first field of schedstat. utime and stime come in 10 ms ticks, and an
# idle minute here is only 10 to 16 of them, so one tick moved the ratio by
# up to 10 %. A thread that ends within a round takes its time with it; an
# idle program starts and ends none.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%.0f\n", sum}'; }
anonymous_kb() { awk '/^Anonymous:/ {print $2}' "/proc/$1/smaps_rollup"; }

# Several rounds in a row: the medians stand up to a burst of other work on
# the machine, which a single interval would take as ours.
rounds=()
for ((round = 0; round < rounds_wanted; ++round)); do
  before=()
  for pid in "${pids[@]}"; do before+=("$(cpu_ns "$pid")"); done
  sleep "$seconds"
  after=()
  for pid in "${pids[@]}"; do after+=("$(cpu_ns "$pid")"); done
  rounds+=("$((after[0] - before[0])) $((after[1] - before[1]))")
done
memory=()
for pid in "${pids[@]}"; do memory+=("$(anonymous_kb "$pid")"); done

printf '%s\n' "${rounds[@]}" | awk -v s="$seconds" -v hz=1e9 \
    -v tm="${memory[0]}" -v pm="${memory[1]}" -v where="$where" '
function median(a, n,   i, j, t) {
  for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
  return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
{ n++; tc[n] = $1 / hz; pc[n] = $2 / hz; ratio[n] = $2 > 0 ? $1 / $2 : 0
  list = list (n > 1 ? " " : "") sprintf("%.2f", ratio[n]) }
END {
  printf "BENCH | Tapvane.exe private anonymous memory, idle under Wine | %.1f MB | plain Win32 window with the same timer: %.1f MB (%.2fx) | < 12 MB\n", tm / 1024, pm / 1024, pm ? tm / pm : 0
  t = median(tc, n); p = median(pc, n); r = median(ratio, n)
  printf "BENCH | Tapvane.exe CPU while idle, capture timer running%s (median of %d x %d s) | %.3f %% of a core (%.3f s per %d s) | plain window, same run: %.3f %% (%.3f s); ratio %.2fx (rounds: %s) | <= 1.15x the plain window\n", where, n, s, 100 * t / s, t, s, 100 * p / s, p, r, list
}'
