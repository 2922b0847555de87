#!/usr/bin/env bash
# Set-up if needed, then configure and build the preset this machine can run (see wine-env.sh).
# Arguments go to cmake --build (--target packages, say).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"
cd "$root"
if [ ! -f "build/$FLEEBA_PRESET/build.ninja" ]; then
  cmake --preset "$FLEEBA_PRESET" >/dev/null
fi
cmake --build --preset "$FLEEBA_PRESET" "$@"
