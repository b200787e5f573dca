#!/bin/sh
# Screenshots of the wind rose, the thermometer, the alarm overview and the sun window beside the
# main window on the simulated station, at 100 % and at a 200 % screen scale:
# docs/views.png and docs/views-200.png. Usage: scripts/view-shots.sh [display] [build folder]
# (defaults :98 and build/dev; needs Xvfb, openbox and ImageMagick).
set -eu
screen=${1:-:98}
build=${2:-build/dev}
shots=$(mktemp -d)
Xvfb "$screen" -screen 0 3800x1700x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$shots"' EXIT
sleep 1
DISPLAY=$screen openbox >/dev/null 2>&1 &
wm=$!
sleep 1
for scale in 1 2; do
    DISPLAY=$screen QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale WETTERPULT_SHOTS=$shots \
        "$build/tests/wetterpult_ui_tests" --gtest_filter='ViewWindows.EveryWindowOnTheSimulatedStation'
    if [ "$scale" = 1 ]; then target=docs/views.png; else target=docs/views-200.png; fi
    convert "$shots/views.png" -strip "$target"
    echo "$target: $(identify -format '%wx%h' "$target")"
done
