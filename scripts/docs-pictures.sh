#!/usr/bin/env bash
# Makes the README's pictures from the real program: the toy runs on a private virtual display over a
# drawn desktop (a wallpaper and a text editor's window), and the screen is captured into docs/:
#   docs/fleeba-idle.png      the character sitting on the desktop
#   docs/fleeba-fishing.gif   a few seconds of the fishing game, the diver going after the fish
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
export WINEPREFIX=$FLEEBA_BUILD/wineprefix
work=$(mktemp -d)
cleanup() {
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
start_private_display
ensure_prefix

# The desktop: a sky-to-sea wallpaper and a mock editor window, drawn onto the root window.
font=$(fc-match -f '%{file}' 'DejaVu Sans')
convert -size 1024x768 gradient:'#1f4e79-#5fa8c8' \
  -fill '#00000030' -draw 'roundrectangle 68,78 578,438 8,8' \
  -fill '#f7f7f2' -draw 'roundrectangle 60,70 570,430 8,8' \
  -fill '#3b6a94' -draw 'roundrectangle 60,70 570,100 8,8' -draw 'rectangle 60,90 570,100' \
  -fill '#e06c5a' -draw 'circle 548,85 554,85' -fill '#e8c15a' -draw 'circle 530,85 536,85' \
  -font "$font" -pointsize 14 -fill white -annotate +74+91 'notes.txt' \
  -fill '#9aa5ad' -draw 'rectangle 80,122 420,128' -draw 'rectangle 80,146 500,152' \
  -draw 'rectangle 80,170 360,176' -draw 'rectangle 80,194 470,200' -draw 'rectangle 80,218 300,224' \
  -draw 'rectangle 80,254 440,260' -draw 'rectangle 80,278 380,284' \
  "$work/desktop.png"
# (display reports a failure once it has set the background and gone)
display -window root "$work/desktop.png" || true

wine "$FLEEBA_BUILD/fleeba.exe" >/dev/null 2>&1 </dev/null &
# Past the splash panel, the character sits in the middle of the screen.
for i in $(seq 1 100); do
  wid=$(xdotool search --onlyvisible --name '^FleebaWindow$' 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.2
done
[ -n "$wid" ] || { echo "the character never appeared" >&2; exit 1; }
sleep 1.5
# Dragged onto the editor window's edge, which it sits in front of.
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) mousedown 1
sleep 0.1
for i in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((X + WIDTH / 2 + 9 * i)) $((Y + HEIGHT / 2 - 6 * i))
  sleep 0.05
done
xdotool mouseup 1
xdotool mousemove 1000 740
sleep 1
mkdir -p "$root/docs"
import -window root -crop 600x400+40+50 +repage "$work/idle.png"
convert "$work/idle.png" -colors 128 "$root/docs/fleeba-idle.png"

# The fishing game: the menu, the instructions' play button, then the diver goes down for the fish.
"$root/scripts/start-fishing.sh"
sleep 1.5
xdotool mousemove 1000 740
for i in $(seq -w 1 28); do
  case $i in
    04) xdotool key Down ;;
    10) xdotool keydown Left ;;
    14) xdotool keyup Left ;;
    18) xdotool keydown Right ;;
    22) xdotool keyup Right ;;
  esac
  import -window root "$work/fish-$i.png"
  sleep 0.15
done
convert -delay 25 -loop 0 "$work"/fish-*.png -resize 50% -fuzz 2% -layers Optimize "$root/docs/fleeba-fishing.gif"
ls -l "$root/docs/fleeba-idle.png" "$root/docs/fleeba-fishing.gif"
