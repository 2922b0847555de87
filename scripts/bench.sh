#!/usr/bin/env bash
# Builds and runs every benchmark under Wine on a private display; each prints its own figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
"$root/scripts/build.sh" --target benchmarks >/dev/null
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$FLEEBA_BUILD/wineprefix
trap stop_private_display EXIT INT TERM
start_private_display
ensure_prefix
for exe in "$FLEEBA_BUILD"/benchmarks/*.exe; do
  [ -e "$exe" ] || continue
  if [ $# -gt 0 ] && [[ "$(basename "$exe")" != *"$1"* ]]; then continue; fi
  echo "== $(basename "$exe" .exe)"
  case "$(basename "$exe")" in
    # It measures sounds reaching a device: a sound server of its own plays them.
    SoundBench.exe) "$root/scripts/with-sound.sh" "$exe" </dev/null 2>/dev/null ;;
    # It installs and uninstalls the toy over and over: a prefix of its own.
    InstallerBench.exe) "$root/scripts/own-prefix.sh" installer-bench "$exe" </dev/null 2>/dev/null ;;
    *) wine "$exe" </dev/null 2>/dev/null ;;
  esac
done
