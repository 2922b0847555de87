# Sourced by the scripts: a private Wine prefix and display for tests and demos, never the user's own.
# Defines start_private_display / stop_private_display and ensure_prefix.

FLEEBA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The program is a 32-bit Windows executable. Some virtual machines run 64-bit user code only (a 32-bit
# Linux program, Wine's own 32-bit loader included, fails with "Exec format error"); there the same
# sources are built for 64-bit Windows and run by the 64-bit Wine loader, so that they can still be run and
# tested. FLEEBA_PRESET=win32 or win64 chooses by hand.
if [ -z "${FLEEBA_PRESET:-}" ]; then
  if [ -x /usr/lib/wine/wine64 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    FLEEBA_PRESET=win64
  else
    FLEEBA_PRESET=win32
  fi
fi
export FLEEBA_PRESET
FLEEBA_BUILD=$FLEEBA_ROOT/build/$FLEEBA_PRESET

# Debian's wine, wine-stable and the tools that start through them (wineboot, ...) pick the 32-bit loader
# whenever it is installed; a directory of stand-ins ahead on the PATH sends them to the 64-bit one.
if [ "$FLEEBA_PRESET" = win64 ]; then
  mkdir -p "$FLEEBA_ROOT/build/wine64-loader"
  # (A loop variable of its own: the scripts that source this file have theirs.)
  for fleeba_loader in wine wine-stable; do
    # Written aside and moved into place: a test starting beside this never runs a half-written one.
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$FLEEBA_ROOT/build/wine64-loader/$fleeba_loader.$$"
    chmod +x "$FLEEBA_ROOT/build/wine64-loader/$fleeba_loader.$$"
    mv -f "$FLEEBA_ROOT/build/wine64-loader/$fleeba_loader.$$" "$FLEEBA_ROOT/build/wine64-loader/$fleeba_loader"
  done
  unset fleeba_loader
  case ":$PATH:" in
    *":$FLEEBA_ROOT/build/wine64-loader:"*) ;;
    *) export PATH="$FLEEBA_ROOT/build/wine64-loader:$PATH" ;;
  esac
  export WINELOADER=/usr/lib/wine/wine64
fi

private_pids=()

# Waits for an X server started with -displayfd to write its display number into the file, exports it as
# DISPLAY, and waits until the server answers.
use_display() {
  local i
  for i in $(seq 1 100); do
    [ -s "$1" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$1" | tr -d '[:space:]')"
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
}

# Starts Xvfb (1024x768x24, or FLEEBA_SCREEN) on a free display number with openbox on it. Xvfb picks the
# number itself (-displayfd), so that runs started at the same moment never share a display.
start_private_display() {
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${FLEEBA_SCREEN:-1024x768x24}" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  private_pids+=($!)
  use_display "$numfile"
  rm -f "$numfile"
  openbox >/dev/null 2>&1 &
  private_pids+=($!)
  sleep 0.5
}

# Starts an X server with two monitors side by side, 1024x768 each (Xorg's dummy video driver, arranged with
# xrandr: Wine lists them as \\.\DISPLAY1 at 0,0 and \\.\DISPLAY2 at 1024,0), with openbox on it.
start_two_monitor_display() {
  local dir numfile
  dir=$(mktemp -d)
  cat >"$dir/xorg.conf" <<'CONF'
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2304 1024
  EndSubSection
EndSection
CONF
  numfile=$dir/display
  Xorg -displayfd 3 -config "$dir/xorg.conf" -noreset -nolisten tcp -logfile "$dir/xorg.log" \
    3>"$numfile" >/dev/null 2>&1 &
  private_pids+=($!)
  use_display "$numfile"
  xrandr --newmode 1024x768_60 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
  xrandr --addmode DUMMY0 1024x768_60
  xrandr --addmode DUMMY1 1024x768_60
  xrandr --output DUMMY0 --mode 1024x768_60 --pos 0x0 --primary --output DUMMY1 --mode 1024x768_60 --pos 1024x0
  # A full query makes the server probe its outputs; Wine reads the current configuration without probing,
  # and would otherwise find one monitor.
  xrandr --query >/dev/null
  openbox >/dev/null 2>&1 &
  private_pids+=($!)
  sleep 0.5
}

# This prefix's Wine server, if one runs.
prefix_server() {
  local pid
  for pid in $(pgrep '^wineserver'); do
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}

# Stops the program (a pid) if this prefix's server ends under it: Wine's server has crashed then, and the
# program would wait for its answer until a timeout.
stop_if_server_crashes() {
  local server=""
  while kill -0 "$1" 2>/dev/null; do
    [ -n "$server" ] || server=$(prefix_server)
    if [ -n "$server" ] && ! kill -0 "$server" 2>/dev/null; then
      sleep 5 >/dev/null 2>&1
      if kill -0 "$1" 2>/dev/null; then
        echo "Wine's server crashed while the program ran (see the kernel log); the program is stopped" >&2
        kill -9 "$1" 2>/dev/null
      fi
      return
    fi
    sleep 1 >/dev/null 2>&1
  done
}

# Runs a Windows program under Wine and returns its status, watched by stop_if_server_crashes.
run_wine() {
  local program watcher status=0
  wine "$@" &
  program=$!
  stop_if_server_crashes "$program" &
  watcher=$!
  wait "$program" || status=$?
  kill "$watcher" 2>/dev/null || true
  wait "$watcher" 2>/dev/null || true
  return $status
}

# Every process that runs in this prefix (its environment names it).
prefix_pids() {
  local pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    if { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
    fi
  done
}

stop_private_display() {
  local pid
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    # A server that crashed leaves its helpers behind, holding the test's output open: Windows programs
    # of this prefix still running now are ended (never a shell that merely names the prefix).
    for pid in $(prefix_pids); do
      if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qiE '\.exe( |$)'; then
        kill -9 "$pid" >/dev/null 2>&1 || true
      fi
    done
  fi
  for pid in "${private_pids[@]}"; do
    kill "$pid" >/dev/null 2>&1 || true
  done
  for pid in "${private_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  private_pids=()
}

# Sets the prefix's display scale as Windows' LogPixels (96 is 100 %, 144 is 150 %): what the platform
# tells the program of the screen's dots per inch. The prefix's server is restarted so that it holds.
set_prefix_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}

# Creates the Wine prefix once (about 20 s) and reuses it afterwards.
ensure_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko installs; and no menu entries in the user's own home for shortcuts made in a prefix.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # Windows that take the focus would otherwise be handed to the window manager, which then moves
  # them about; a desktop has no manager between the toy and the screen.
  if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.unmanaged-windows"
  fi
}
