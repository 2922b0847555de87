#!/usr/bin/env bash
# Runs a Windows program under Wine on a private display, in a prefix of its own (wineprefix-NAME) that no
# other test shares, and stops both when it ends: for a test that installs and removes the toy, whose
# traces must never meet the other tests' (nor theirs it).
#
#   scripts/own-prefix.sh NAME program.exe [arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=$1
shift
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$FLEEBA_BUILD/wineprefix-$name
trap stop_private_display EXIT INT TERM
start_private_display
ensure_prefix
run_wine "$@"
