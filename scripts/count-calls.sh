#!/usr/bin/env bash
# Counts the platform calls that the toy itself makes while it sits idle on a private display: Wine's relay
# trace of every call from the program file into a system library, averaged per timer tick (the ticks are
# counted as the message loop's GetMessageA calls). Deterministic, unlike a CPU figure on a busy machine.
#
#   scripts/count-calls.sh [program.exe] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
exe=${1:-$FLEEBA_BUILD/fleeba.exe}
seconds=${2:-20}
export WINEPREFIX=$FLEEBA_BUILD/measure-prefix
trap stop_private_display EXIT INT TERM
start_private_display
ensure_prefix
# Only the calls the program file makes, not those the system libraries make among themselves.
wine reg add 'HKCU\Software\Wine\Debug' /v RelayFromInclude /d "$(basename "$exe")" /f >/dev/null 2>&1
log=$(mktemp)
WINEDEBUG=+relay timeout $((seconds + 10)) wine "$exe" >/dev/null 2>"$log" </dev/null || true
wine reg delete 'HKCU\Software\Wine\Debug' /v RelayFromInclude /f >/dev/null 2>&1 || true
# The first ten seconds are the splash panel and the character's arrival; the rest is the idle toy.
grep -aE ':Call [A-Za-z0-9_]+\.[A-Za-z0-9_]+\(' "$log" | sed -E 's/^[0-9a-f]+:Call ([A-Za-z0-9_.]+)\(.*/\1/' >"$log.calls"
awk '
  /GetMessageA$/ { ticks++ }
  ticks > 100 { calls[$0]++; total++ }
  END {
    idle = ticks - 100
    if (idle <= 0) { print "no idle ticks seen"; exit 1 }
    printf "%s: %d idle ticks, %.2f calls per tick\n", exe, idle, total / idle
    for (c in calls) printf "  %6.2f %s\n", calls[c] / idle, c | "sort -k1,1nr"
  }' exe="$(basename "$exe")" "$log.calls"
rm -f "$log.calls"
rm -f "$log"
