#!/usr/bin/env bash
# The toy's resident memory while it is played with real input, round after round, on a private display in
# a private prefix. A round plays every game once through the character's menu, as a person does (right-click,
# Games, the entry, the instructions' play box), with seeded random keys for a while (the diver's arrows,
# the golfer's aim and swing, the caber's run-up), and goes back to "No Game". After each round it prints
# the resident memory (VmRSS) of the Unix process that runs fleeba.exe and what of it grew, by the kind of
# mapping (/proc/PID/smaps): the C heap and anonymous memory (Wine's heaps, the Windows program's heaps and
# VirtualAlloc), the X shared memory of window pictures, the Unix libraries, the Windows modules and the font
# files; and, from Wine's +gdi trace, the number of GDI objects alive in the program.
#
#   scripts/measure-memory.sh [rounds] [inputs per game]
#
# FLEEBA_SOUNDS=on|off       the toy's PlaySounds setting (default on)
# FLEEBA_SOUND_SERVER=null|none  a private PulseAudio server with a null sink (default), or none at all
# FLEEBA_GAMES="fishing golf caber"  the games a round plays, in that order
# FLEEBA_EXE=<a fleeba.exe>  measures another build (an earlier commit's, say) the same way
# FLEEBA_SMAPS_DIR=<dir>     keeps each round's smaps there, for a closer look at what grew
# FLEEBA_MALLOC_STATS=1      also the Unix C heap's bytes in use beside its size (gdb calls the program's
#                            malloc_stats(): a heap that grows with as much in use holds more, one that
#                            grows with less in use is fragmented)
# FLEEBA_MEASURE_PREFIX=<dir> another Wine prefix than build/<preset>/measure-prefix (to run two at once)
set -euo pipefail
rounds=${1:-4}
inputs=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
# Another build to measure needs this one built no more than a build of its own.
[ -n "${FLEEBA_EXE:-}" ] || "$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
exe=${FLEEBA_EXE:-$FLEEBA_BUILD/fleeba.exe}
games=${FLEEBA_GAMES:-fishing golf caber}
export WINEPREFIX=${FLEEBA_MEASURE_PREFIX:-$FLEEBA_BUILD/measure-prefix}
sound=$(mktemp -d)
server=
finish() {
  [ -z "${FLEEBA_SMAPS_DIR:-}" ] || [ ! -f "$sound/gdi.log" ] || { mkdir -p "$FLEEBA_SMAPS_DIR"; cp "$sound/gdi.log" "$FLEEBA_SMAPS_DIR/"; }
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  stop_private_display
  rm -rf "$sound"
}
trap finish EXIT INT TERM

case ${FLEEBA_SOUND_SERVER:-null} in
  null)
    export PULSE_RUNTIME_PATH=$sound/runtime PULSE_STATE_PATH=$sound/state PULSE_CONFIG_PATH=$sound/config
    export PULSE_SERVER=unix:$sound/runtime/native
    mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$PULSE_CONFIG_PATH"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
      --load="module-native-protocol-unix socket=$sound/runtime/native auth-anonymous=1" \
      --load="module-null-sink sink_name=toy rate=22050" >"$sound/server.log" 2>&1 &
    server=$!
    for _ in $(seq 1 50); do
      pactl info >/dev/null 2>&1 && break
      sleep 0.1
    done
    ;;
  none) export PULSE_SERVER=unix:/nonexistent/fleeba-measure-has-no-sound-server ;;
  *) echo "FLEEBA_SOUND_SERVER: null or none" >&2; exit 2 ;;
esac

start_private_display
ensure_prefix
wine reg add 'HKCU\Software\Fleeba' /v PlaySounds /t REG_DWORD /d "$([ "${FLEEBA_SOUNDS:-on}" = off ] && echo 0 || echo 1)" /f >/dev/null 2>&1
# The toy at 100 %, where the points clicked below are.
wine reg add 'HKCU\Software\Fleeba' /v Size /t REG_DWORD /d 100 /f >/dev/null 2>&1
wineserver -w

gdilog=$sound/gdi.log
# The gdi channel traces each GDI object made and freed with the count alive ("allocated ... 123/65536").
WINEDEBUG=-all,+gdi wine "$exe" >/dev/null 2>>"$gdilog" </dev/null &

# The Unix process that runs the program: Wine's loader, whose command line names it, in this prefix.
program_pid() {
  local p
  for p in $(pgrep -f "$(basename "$exe")" || true); do
    if tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" &&
      grep -q '/ntdll\.so' "/proc/$p/maps" 2>/dev/null; then
      echo "$p"
      return
    fi
  done
}
pid=
for _ in $(seq 1 100); do
  pid=$(program_pid)
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ] || { echo "fleeba.exe did not start" >&2; exit 1; }

RANDOM=${FLEEBA_SEED:-1}

# The first visible window titled so, or nothing.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true; }

wait_window() { # title, seconds
  local i w
  for i in $(seq 1 $(($2 * 10))); do
    w=$(window "$1")
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

# A point of the window given as fractions of its width and height (per mille).
point_in() { # window id, x per mille, y per mille
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$((X + WIDTH * $2 / 1000)) $((Y + HEIGHT * $3 / 1000))"
}

# Windows without a title on the screen: the menu is one more, once it is open.
untitled() { xdotool search --onlyvisible --name '^$' 2>/dev/null | wc -l; }

# The menu on a window, opened with a right-click at the first of the points (fractions of its width and
# height, per mille) that is on its outline, then Games and the entry (0 "No Game", 1 fishing, 2 golf,
# 3 caber).
choose() { # window id, entry, x y per mille, ...
  local w=$1 entry=$2 i before opened=
  shift 2
  while [ $# -ge 2 ]; do
    before=$(untitled)
    xdotool mousemove $(point_in "$w" "$1" "$2") click 3
    shift 2
    # A busy machine can take seconds.
    for i in $(seq 1 50); do
      [ "$(untitled)" -gt "$before" ] && { opened=1; break; }
      sleep 0.1
    done
    [ -n "$opened" ] && break
  done
  [ -n "$opened" ] || { echo "no menu opened" >&2; exit 1; }
  sleep 0.3
  xdotool key g
  sleep 0.3
  for i in $(seq 1 "$entry"); do xdotool key Down; done
  xdotool key Return
  sleep 1.5
}

# The instructions picture is centred on the screen; its play box sits near its lower right corner.
press_play() {
  xdotool mousemove $(((1024 - 363) / 2 + 316)) $(((768 - 316) / 2 + 280)) click 1
  sleep 1
}

pick() { # words: one of them at random
  local words=("$@")
  echo "${words[RANDOM % ${#words[@]}]}"
}

pause() { sleep "0.$((RANDOM % 3 + 1))"; }

play_fishing() {
  local i
  for i in $(seq 1 "$inputs"); do
    xdotool key "$(pick Down Down Left Right)"
    pause
  done
}

play_golf() {
  local i w
  w=$(wait_window GolfFleebaWindow 5) || return 0
  # A click on the golfer gives it the keyboard.
  xdotool mousemove $(point_in "$w" 500 500) click 1
  sleep 0.3
  for i in $(seq 1 "$inputs"); do
    case $(pick aim aim swing) in
      aim) xdotool key "$(pick Left Right)" ;;
      swing) xdotool keydown Up; sleep "0.$((RANDOM % 8 + 1))"; xdotool keyup Up; sleep 1 ;;
    esac
    pause
  done
}

play_caber() {
  local i
  for i in $(seq 1 $((inputs / 4))); do
    xdotool keydown Left
    sleep "$((RANDOM % 2)).$((RANDOM % 10))"
    xdotool keyup Left
    sleep 3
  done
}

# The character, idle, back in its place.
character() {
  local w
  w=$(wait_window FleebaWindow 20) || { echo "the character did not come back" >&2; exit 1; }
  sleep 1
  echo "$w"
}

entry_of() {
  case $1 in fishing) echo 1 ;; golf) echo 2 ;; caber) echo 3 ;; esac
}

# The window a right-click finds during each game, and points of it that its outline covers.
menu_window_of() {
  case $1 in fishing) echo "IslandWindow 500 800 300 800 700 800" ;;
    golf) echo "GolfFleebaWindow 500 500 400 400 600 600" ;;
    caber) echo "CaberFleebaWindow 600 750 500 500 550 650" ;; esac
}

# kB of resident memory by kind of mapping, from smaps.
breakdown() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / {
      name = $6
      for (i = 7; i <= NF; i++) name = name " " $i
      if (name == "") kind = "anon"
      else if (name == "[heap]") kind = "heap"
      else if (name ~ /^\/SYSV/) kind = "shm"
      else if (name ~ /\.so(\.[0-9]+)*$/) kind = "so"
      else if (name ~ /\.(dll|drv|exe|EXE|DLL|sys|acm|cpl|ocx)$/) kind = "pe"
      else if (name ~ /\.(ttf|otf|pfb|pcf|ttc|TTF|fon|FON)(\.gz)?$/) kind = "font"
      else if (name ~ /^\[/) kind = "other"
      else kind = "file"
      next
    }
    /^Rss:/ { rss[kind] += $2 }
    END {
      printf "heap=%d anon=%d shm=%d so=%d pe=%d font=%d file=%d other=%d\n",
        rss["heap"], rss["anon"], rss["shm"], rss["so"], rss["pe"], rss["font"], rss["file"], rss["other"]
    }' "/proc/$pid/smaps"
}

gdi_alive() {
  # The count alive after the last object made or freed.
  grep -aoE '(allocated|freed) [a-zA-Z_]* ?[0-9a-fx]+ [0-9]+/' "$gdilog" | tail -n1 | sed -E 's/.* ([0-9]+)\/$/\1/' || true
}

# Top-level X windows on the display: Wine makes one for each top-level window of the program.
x_windows() { xwininfo -root -children 2>/dev/null | grep -cE '^ +0x' || true; }

# The C heap's bytes in use, beside the bytes it has from the system, in kB.
malloc_in_use() {
  local mark=">>> malloc_stats $RANDOM"
  echo "$mark" >>"$gdilog"
  timeout 60 gdb -p "$pid" -batch -ex 'call (void)malloc_stats()' >/dev/null 2>&1 </dev/null || true
  sed -n "/^$mark\$/,\$p" "$gdilog" | awk '
    /^Total/ { total = 1 }
    total && /system bytes/ { held = $NF }
    total && /in use bytes/ { used = $NF }
    END { if (held) printf "  malloc %d of %d kB in use", used / 1024, held / 1024 }'
}

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }

report() { # label
  local now gdi
  now=$(rss)
  gdi=$(gdi_alive)
  printf '%-10s VmRSS %6d kB (%+6d)  %s  gdi=%s xwin=%s%s\n' "$1" "$now" "$((now - last))" "$(breakdown)" \
    "${gdi:-?}" "$(x_windows)" "$([ "${FLEEBA_MALLOC_STATS:-0}" = 1 ] && malloc_in_use)"
  last=$now
  if [ -n "${FLEEBA_SMAPS_DIR:-}" ]; then
    mkdir -p "$FLEEBA_SMAPS_DIR"
    cp "/proc/$pid/smaps" "$FLEEBA_SMAPS_DIR/$1.smaps"
  fi
}

echo "$(basename "$exe"): sounds ${FLEEBA_SOUNDS:-on}, sound server ${FLEEBA_SOUND_SERVER:-null}; games: $games; $inputs inputs each"
last=0
character >/dev/null
report idle
for round in $(seq 1 "$rounds"); do
  for game in $games; do
    choose "$(character)" "$(entry_of "$game")" 500 500 500 400 500 600
    press_play
    "play_$game"
    read -r name points <<<"$(menu_window_of "$game")"
    sleep 2
    w=$(wait_window "$name" 10) || { echo "no $name to right-click" >&2; exit 1; }
    choose "$w" 0 $points
  done
  character >/dev/null
  report "round $round"
  if [ "$round" -eq 1 ]; then warm=$last; fi
done
[ "$rounds" -lt 2 ] || echo "after the first round: $((last - warm)) kB more in $((rounds - 1)) rounds"
