#!/usr/bin/env bash
# Runs a Windows program under Wine on a private display with a private sound server: PulseAudio with
# one null sink (no sound card needed), whose output is recorded while the program runs. The program finds
# the recording, 16-bit mono samples at 22050 Hz as they were played, at the Windows path in
# FLEEBA_SOUND_RECORDING.
#
#   scripts/with-sound.sh program.exe [arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$FLEEBA_BUILD/wineprefix-sound
sound=$(mktemp -d)
export PULSE_RUNTIME_PATH=$sound/runtime PULSE_STATE_PATH=$sound/state PULSE_CONFIG_PATH=$sound/config
export PULSE_SERVER=unix:$sound/runtime/native
mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$PULSE_CONFIG_PATH"
recorder=
server=
hum=
finish() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null || true
  [ -n "$hum" ] && kill "$hum" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  stop_private_display
  rm -rf "$sound"
}
trap finish EXIT INT TERM
start_private_display
ensure_prefix

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  --load="module-native-protocol-unix socket=$sound/runtime/native auth-anonymous=1" \
  --load="module-null-sink sink_name=toy rate=22050" \
  --load="module-always-sink" >"$sound/server.log" 2>&1 &
server=$!
for _ in $(seq 1 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl set-default-sink toy
# Silence played all along keeps the sink running: the recording then has one sample per 1/22050 s of
# time, quiet or not, and a sample's place tells when it was played.
pacat --raw --format=s16le --rate=22050 --channels=1 -d toy </dev/zero &
hum=$!
parec -d toy.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 >"$sound/recording.raw" &
recorder=$!
# The server takes a moment before the first samples arrive; from then on they come as played.
for _ in $(seq 1 100); do
  [ -s "$sound/recording.raw" ] && break
  sleep 0.1
done
export FLEEBA_SOUND_RECORDING="Z:${sound//\//\\}\\recording.raw"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
run_wine "$@"
