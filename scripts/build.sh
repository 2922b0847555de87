#!/usr/bin/env bash
# Set-up if needed, then configure and build the win32 preset.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
if [ ! -f build/win32/build.ninja ]; then
  cmake --preset win32 >/dev/null
fi
cmake --build --preset win32
