#!/bin/sh
# The screenshot docs/verlauf.png: a simulated month replayed into an archive with the stream's own
# clock, the desktop program on a virtual screen, F5, "30 Tage", the mouse over the charts.
# Usage: scripts/verlauf-shot.sh [display] [build folder] [screen] [picture] (defaults :57,
# build/dev, 1600x1000 and docs/verlauf.png; needs Xvfb, openbox, xdotool and ImageMagick). On the
# default screen the window is set to 1500x980; on any other it keeps the size it opens with, so
#   QT_SCALE_FACTOR=2 scripts/verlauf-shot.sh :58 build/dev 1366x768 /tmp/verlauf-200.png
# shows it as a small screen at 200 % gets it.
set -eu
screen=${1:-:57}
build=${2:-build/dev}
size=${3:-1600x1000}
picture=${4:-docs/verlauf.png}
demo=$(mktemp -d)
Xvfb "$screen" -screen 0 "${size}x24" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$demo"' EXIT
"$build/tools/sim/wetterpult-sim" --out "$demo/month.bin" --days 30 --seed 3 \
    --start "$(date -d '30 days ago' +%FT%H:%M:00)"
"$build/src/app/wetterpult" --headless --folder "$demo" --replay "$demo/month.bin" \
    --clock-from-stream --quit
rm "$demo/month.bin"
DISPLAY=$screen openbox >/dev/null 2>&1 &
sleep 1
DISPLAY=$screen "$build/src/app/wetterpult" --folder "$demo" >/dev/null 2>&1 &
program=$!
sleep 3
DISPLAY=$screen xdotool key F5
sleep 2
window=$(DISPLAY=$screen xdotool search --name '^Verlauf$' | head -1)
if [ "$size" = 1600x1000 ]; then
    DISPLAY=$screen xdotool windowmove "$window" 0 0 windowsize "$window" 1500 980
fi
sleep 1
# "30 Tage" is a button of the window: found by keyboard focus order would depend on the style,
# so it is clicked where it sits (the fourth button of the top row).
DISPLAY=$screen xdotool windowactivate --sync "$window" 2>/dev/null || true
eval "$(DISPLAY=$screen xdotool getwindowgeometry --shell "$window")"
scale=${QT_SCALE_FACTOR:-1}
DISPLAY=$screen xdotool mousemove --window "$window" "$(echo "310 * $scale" | bc)" \
    "$(echo "21 * $scale" | bc)" click 1
sleep 3
for x in 0.55 0.56 0.57; do
    DISPLAY=$screen xdotool mousemove --window "$window" "$(echo "$WIDTH * $x / 1" | bc)" \
        "$(echo "$HEIGHT * 0.2 / 1" | bc)"
    sleep 1
done
DISPLAY=$screen import -window "$window" "$picture"
kill $program
echo "$picture"
