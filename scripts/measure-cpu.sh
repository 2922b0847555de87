#!/usr/bin/env bash
# CPU use of the toy on a private virtual display, beside the same display with nothing on it and beside
# xpenguins (a native X toy that never stops moving), measured the same way in the same run.
# Counts the user and system time of every process of the toy's Wine prefix (wineserver, the program and
# Wine's helpers) together with the X server, over the measuring window, as a percentage of one core.
#
#   scripts/measure-cpu.sh [idle|fishing] [seconds]
#
# FLEEBA_COMPARE_EXE=<another fleeba.exe> measures that build too, the same way in the same run (say, one
# built from an earlier commit), so that the two figures can be set side by side.
set -euo pipefail
scene=${1:-idle}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$FLEEBA_BUILD/measure-prefix
trap stop_private_display EXIT INT TERM
ticks=$(getconf CLK_TCK)

# Sum of utime + stime (clock ticks) of the given pids.
cpu_of() {
  local total=0 pid fields
  for pid in "$@"; do
    if [ -r "/proc/$pid/stat" ]; then
      fields=$(sed 's/^.*) //' "/proc/$pid/stat")
      set -- $fields
      total=$((total + ${12} + ${13}))
    fi
  done
  echo "$total"
}

measure() { # label, pids...
  local label=$1; shift
  local before after
  before=$(cpu_of "$@")
  sleep "$seconds"
  after=$(cpu_of "$@")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" -v l="$label" \
    'BEGIN { printf "%s: %.2f %% of one core over %d s\n", l, 100 * d / t / s, s }'
}

measure_toy() { # result variable, label, program file
  local into=$1; shift
  start_private_display
  xserver=${private_pids[0]}
  ensure_prefix
  wine "$2" >/dev/null 2>&1 </dev/null &
  sleep 9 # past the splash panel
  if [ "$scene" = fishing ]; then
    "$root/scripts/start-fishing.sh"
    sleep 2
  fi
  printf -v "$into" '%s' "$(measure "$1 ($scene)" $(prefix_pids) "$xserver")"
  stop_private_display
}

measure_toy toy fleeba "$FLEEBA_BUILD/fleeba.exe"
compared=""
if [ -n "${FLEEBA_COMPARE_EXE:-}" ]; then
  measure_toy compared "$FLEEBA_COMPARE_EXE" "$FLEEBA_COMPARE_EXE"
fi

# A native X program that never stands still, for reference: xpenguins, whose penguins walk all the time.
penguins=""
if command -v xpenguins >/dev/null; then
  start_private_display
  xserver=${private_pids[0]}
  xpenguins >/dev/null 2>&1 &
  pid=$!
  sleep 3
  penguins=$(measure "xpenguins (reference)" "$pid" "$xserver")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  stop_private_display
fi

# The display alone, measured the same way.
start_private_display
xserver=${private_pids[0]}
sleep 3
other=$(measure "empty display" "$xserver")
stop_private_display

echo "$toy"
[ -z "$compared" ] || echo "$compared"
[ -z "$penguins" ] || echo "$penguins"
echo "$other"
