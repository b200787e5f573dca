#!/bin/sh
# Screenshots of every settings dialog on a virtual screen, and their contact sheet
# docs/settings-dialogs.png. Usage: scripts/dialog-shots.sh [display] [build folder]
# (defaults :99 and build/dev; needs Xvfb, openbox and ImageMagick).
set -eu
screen=${1:-:99}
build=${2:-build/dev}
shots=$(mktemp -d)
Xvfb "$screen" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$shots"' EXIT
sleep 1
DISPLAY=$screen openbox >/dev/null 2>&1 &
sleep 1
DISPLAY=$screen QT_QPA_PLATFORM=xcb WETTERPULT_SHOTS=$shots \
    "$build/tests/wetterpult_ui_tests" --gtest_filter='SettingsDialogs.NoTextIsCut*'
# One tile per dialog, captioned with its window title (kept in each PNG as "Title").
set --
for shot in "$shots"/*.png; do
    set -- "$@" -label "$(identify -format '%[Title]' "$shot")" "$shot"
done
montage -font DejaVu-Sans -pointsize 13 "$@" -tile 3x -geometry '600x440>+14+14' -background '#e4e4e4' \
    docs/settings-dialogs.png
echo "docs/settings-dialogs.png: $(ls "$shots" | wc -l) dialogs"
