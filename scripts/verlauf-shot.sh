#!/bin/sh
# The screenshot docs/verlauf.png: a simulated month replayed into an archive with the stream's own
# clock, the desktop program on a virtual screen, F5, "30 Tage", the mouse over the charts.
# Usage: scripts/verlauf-shot.sh [display] [build folder] (defaults :57 and build/dev; needs Xvfb,
# openbox, xdotool and ImageMagick).
set -eu
screen=${1:-:57}
build=${2:-build/dev}
demo=$(mktemp -d)
Xvfb "$screen" -screen 0 1600x1000x24 >/dev/null 2>&1 &
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
DISPLAY=$screen xdotool windowmove "$window" 0 0 windowsize "$window" 1500 980
sleep 1
# "30 Tage" sits in the row of range buttons; then the mouse over the temperature chart.
DISPLAY=$screen xdotool mousemove --window "$window" 310 21 click 1
sleep 3
for x in 880 890 900; do
    DISPLAY=$screen xdotool mousemove --window "$window" $x 200
    sleep 1
done
DISPLAY=$screen import -window "$window" docs/verlauf.png
kill $program
echo "docs/verlauf.png"
