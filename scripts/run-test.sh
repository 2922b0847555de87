#!/usr/bin/env bash
# Runs one test program under Wine for ctest. Its output reaches ctest through a file once it has ended,
# not through ctest's pipe: a process the test leaves behind (a helper Wine started on demand, a program
# the toy opened) would hold the pipe open and keep ctest waiting until the timeout after the test itself
# had ended. Such a process is named, and stopped with the display at the end of the run.
#
#   scripts/run-test.sh program.exe [arguments]
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
out=$(mktemp)
run_wine "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
for fd in $(find /proc/[0-9]*/fd -maxdepth 1 -lname "$out" 2>/dev/null); do
  pid=${fd#/proc/}
  pid=${pid%%/*}
  echo "Left running after the test: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) (pid $pid)"
done
rm -f "$out"
exit $status
