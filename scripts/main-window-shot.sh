#!/bin/sh
# The README's first picture: the main window on the simulated station with its five menus, taken
# from a virtual screen (docs/main-window.png). Usage: scripts/main-window-shot.sh [display]
# [build folder] (defaults :143 and build/dev; needs Xvfb, openbox, xdotool, x11-utils and ImageMagick).
set -eu
screen=${1:-:143}
build=${2:-build/dev}
folder=$(mktemp -d -t wetterpult-shot.XXXXXX)
fifo="$folder/pty"
mkfifo "$fifo"
Xvfb "$screen" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
sim=
app=
trap 'kill $app $sim $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$folder"' EXIT
sleep 1
DISPLAY=$screen openbox >/dev/null 2>&1 &
wm=$!
# A window mapped before the window manager runs gets no frame.
sleep 2
"$build/tools/sim/wetterpult-sim" --pty >"$fifo" &
sim=$!
read -r pty <"$fifo"
DISPLAY=$screen QT_QPA_PLATFORM=xcb "$build/src/app/wetterpult" --folder "$folder" --port "$pty" \
    --activate >/dev/null 2>&1 &
app=$!
# Every group comes at least every 10 s; after 25 s every box holds a value.
sleep 25
window=$(DISPLAY=$screen xdotool search --sync --name '^Wetterpult - ' | head -n 1)
# The window's inner area on the root window, widened by the frame the window manager drew.
info=$(DISPLAY=$screen xwininfo -id "$window")
x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
w=$(echo "$info" | sed -n 's/.*Width: *//p')
h=$(echo "$info" | sed -n 's/.*Height: *//p')
extents=$(DISPLAY=$screen xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g')
set -- $extents
left=${1:-0} right=${2:-0} top=${3:-0} bottom=${4:-0}
DISPLAY=$screen import -window root "$folder/root.png"
convert "$folder/root.png" -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" \
    +repage -strip docs/main-window.png
echo "docs/main-window.png: $(identify -format '%wx%h' docs/main-window.png)"
