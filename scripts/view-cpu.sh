#!/bin/sh
# CPU time of the desktop program on the simulated station at the station's real rate, with the
# wind rose and the thermometer open (F3, F4), with those and the "Verlauf" window following the
# archive (F5), or without them, over a span of seconds.
# Usage: scripts/view-cpu.sh with|verlauf|without [seconds] [display] [build folder]
# (defaults 300, :97, build/dev; needs Xvfb, openbox and xdotool). Prints the CPU seconds used
# and their share of one core. The figure for the closing note: a release build, five minutes,
#   cmake --preset release && cmake --build --preset release --target wetterpult wetterpult-sim
#   scripts/view-cpu.sh verlauf 300 :97 build/release
set -eu
mode=$1
span=${2:-300}
screen=${3:-:97}
build=${4:-build/dev}
folder=$(mktemp -d)
Xvfb "$screen" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$screen openbox >/dev/null 2>&1 &
wm=$!
"$build/tools/sim/wetterpult-sim" --pty --seed 3 >"$folder/pty" &
sim=$!
sleep 1
pty=$(head -n 1 "$folder/pty")
DISPLAY=$screen QT_QPA_PLATFORM=xcb "$build/src/app/wetterpult" --folder "$folder" --port "$pty" \
    --activate >/dev/null 2>&1 &
program=$!
trap 'kill $program $sim $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$folder"' EXIT
sleep 5
if [ "$mode" = with ] || [ "$mode" = verlauf ]; then
    DISPLAY=$screen xdotool search --sync --onlyvisible --name '^Wetterpult - ' \
        windowfocus --sync key F3 key F4
    sleep 2
    # Both open beside the main window, not one over the other.
    DISPLAY=$screen xdotool search --sync --onlyvisible --name '^Windrose$' windowmove 820 0
    DISPLAY=$screen xdotool search --sync --onlyvisible --name '^Aussentemperatur$' \
        windowmove 1100 0
    sleep 1
fi
if [ "$mode" = verlauf ]; then
    DISPLAY=$screen xdotool search --sync --onlyvisible --name '^Wetterpult - ' \
        windowfocus --sync key F5
    DISPLAY=$screen xdotool search --sync --onlyvisible --name '^Verlauf$' windowmove 0 560
    sleep 2
fi
# With VIEW_CPU_SHOT=FILE the screen is saved there, to see what was measured.
[ -z "${VIEW_CPU_SHOT:-}" ] || import -display "$screen" -window root "$VIEW_CPU_SHOT" 
ticks() { awk '{print $14 + $15}' "/proc/$program/stat"; }
start=$(ticks)
# With VIEW_CPU_PERF=FILE the span is also recorded by perf (call graphs) into FILE.
if [ -n "${VIEW_CPU_PERF:-}" ]; then
    perf record -q --call-graph dwarf,16384 -F 4000 -p "$program" -o "$VIEW_CPU_PERF" \
        -- sleep "$span" >/dev/null 2>&1
else
    sleep "$span"
fi
end=$(ticks)
hz=$(getconf CLK_TCK)
echo "$mode: $(( end - start )) ticks of 1/$hz s in $span s" \
     "= $(echo "scale=4; ($end - $start) * 100 / $hz / $span" | bc) % of one core"
