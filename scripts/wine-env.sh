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
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$FLEEBA_ROOT/build/wine64-loader/$name"
    chmod +x "$FLEEBA_ROOT/build/wine64-loader/$name"
  done
  case ":$PATH:" in
    *":$FLEEBA_ROOT/build/wine64-loader:"*) ;;
    *) export PATH="$FLEEBA_ROOT/build/wine64-loader:$PATH" ;;
  esac
  export WINELOADER=/usr/lib/wine/wine64
fi

private_pids=()

# Starts Xvfb (1024x768x24) on a free display number with openbox on it. Xvfb picks the number itself
# (-displayfd), so that runs started at the same moment never share a display.
start_private_display() {
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  private_pids+=($!)
  local i
  for i in $(seq 1 100); do
    [ -s "$numfile" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$numfile" | tr -d '[:space:]')"
  rm -f "$numfile"
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  openbox >/dev/null 2>&1 &
  private_pids+=($!)
  sleep 0.5
}

stop_private_display() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  local pid
  for pid in "${private_pids[@]}"; do
    kill "$pid" >/dev/null 2>&1 || true
  done
  for pid in "${private_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  private_pids=()
}

# Creates the Wine prefix once (about 20 s) and reuses it afterwards.
ensure_prefix() {
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
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
