#!/usr/bin/env bash
# Set-up if needed, build, and run every test under Wine on a private display and a private prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"

source "$root/scripts/wine-env.sh"
# The installer that ships is the 32-bit one: where the 64-bit build is tested, it is made too, so that a
# change that breaks it is seen at once (the pictures and their generator are shared; the program is built).
if [ "$FLEEBA_PRESET" = win64 ]; then
  FLEEBA_PRESET=win32 "$root/scripts/build.sh" --target packages
fi
export WINEPREFIX=$FLEEBA_BUILD/wineprefix
# No sound server for the tests but the one scripts/with-sound.sh starts for its own: none is spawned
# behind their backs, and the toy meets a machine without sound.
export PULSE_SERVER=unix:/nonexistent/fleeba-tests-have-no-sound-server
trap stop_private_display EXIT INT TERM
start_private_display
# Every prefix the tests use is made now, side by side (some 20 s each the first time), rather than inside
# a test while another runs beside it.
makers=()
for name in "" -two-monitors -scaled -sound -installer; do
  (export WINEPREFIX=$FLEEBA_BUILD/wineprefix$name; ensure_prefix) &
  makers+=($!)
done
wait "${makers[@]}"
ensure_prefix
# One server for the whole run: each test starts in about a second instead of several.
wineserver -p >/dev/null 2>&1 || true
# Start Wine's own background processes now, detached from ctest's output pipes, which they would
# otherwise hold open past the end of the first test.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true

cd "$root"
# Two at a time: the tests that share the private display take turns (a lock each names), and one with a
# display and prefix of its own runs beside them; most of their time is waiting for the toy's clock.
ctest --preset "$FLEEBA_PRESET" -j 2 "$@"
