#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests) in a release build, and starts
# Wetterpult on the simulated station: the simulator sends on a pseudo-terminal, Wetterpult shows
# its window (or, without a screen, prints a line per group it decodes). Ctrl-C ends both.
# Each run starts in a fresh demo folder (settings, pages, archive); WETTERPULT_DEMO_FOLDER=DIR
# runs in DIR instead and keeps it. Extra arguments go to wetterpult.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
bin=build/release
if [ ! -x "$bin/src/app/wetterpult" ]; then
  echo "Erster Bau: rund 180 Dateien werden übersetzt; auf zwei Kernen dauert das etwa" \
    "5 bis 10 Minuten, spätere Läufe bauen nur noch, was sich geändert hat."
fi
cmake --preset release >/dev/null
started=$(date +%s)
cmake --build --preset release -j "$(nproc)" --target wetterpult wetterpult-sim
echo "Bau fertig nach $(($(date +%s) - started)) s."

if [ -n "${WETTERPULT_DEMO_FOLDER:-}" ]; then
  folder=$WETTERPULT_DEMO_FOLDER
  mkdir -p "$folder"
else
  folder=$(mktemp -d -t wetterpult-demo.XXXXXX)
fi
echo "Demo-Ordner: $folder"

fifo=$(mktemp -u)
mkfifo "$fifo"
"$bin/tools/sim/wetterpult-sim" --pty >"$fifo" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$fifo"' EXIT
read -r pty <"$fifo"
echo "Simulierte Station an $pty"
# The main window where there is a screen; without one the program runs headless and prints
# its status line and every group.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$bin/src/app/wetterpult" --folder "$folder" --port "$pty" --activate "$@"
else
  "$bin/src/app/wetterpult" --headless --folder "$folder" --port "$pty" --activate \
    --status-every 10 --show-groups "$@"
fi
