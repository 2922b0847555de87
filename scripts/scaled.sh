#!/usr/bin/env bash
# Runs a Windows program under Wine at a display scale, on a private display of a given size and a private
# prefix of its own (Wine has one scale for the whole prefix), and stops both when it ends.
#
#   scripts/scaled.sh DPI WIDTHxHEIGHT program.exe [arguments]     (DPI: 96, 120, 144, 192, 288)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=$1
screen=$2
shift 2
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$FLEEBA_BUILD/wineprefix-scaled
export FLEEBA_SCREEN="${screen}x24"
trap stop_private_display EXIT INT TERM
start_private_display
ensure_prefix
set_prefix_dpi "$dpi"
run_wine "$@"
