#!/usr/bin/env bash
# On the current display, with the toy idle: opens the menu on the character, picks Games > Fishing Game
# and presses the instructions' play button.
set -euo pipefail
wid=$(xdotool search --name '^FleebaWindow$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The neck runs down the middle of the picture.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
sleep 0.7
xdotool key g
sleep 0.3
xdotool key Down Return
sleep 1.5
# The instructions picture is centred; its play button sits near its lower right corner.
xdotool mousemove $(((1024 - 363) / 2 + 316)) $(((768 - 316) / 2 + 280)) click 1
