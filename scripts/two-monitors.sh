#!/usr/bin/env bash
# Runs a Windows program under Wine on a private display with two monitors side by side (see
# start_two_monitor_display) and a private prefix of its own, and stops both when it ends. The program may
# rearrange the monitors with xrandr while it runs.
#
#   scripts/two-monitors.sh program.exe [arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
# Wine's view of the monitors belongs to the prefix's desktop process, which lives on one display: this
# display gets a prefix of its own.
export WINEPREFIX=$FLEEBA_BUILD/wineprefix-two-monitors
trap stop_private_display EXIT INT TERM
start_two_monitor_display
ensure_prefix
run_wine "$@"
