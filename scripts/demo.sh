#!/usr/bin/env bash
# Installs what is missing, builds, and starts Wetterpult on the simulated station: the simulator
# sends on a pseudo-terminal, Wetterpult prints a line per group it decodes. Ctrl-C ends both.
# Extra arguments go to wetterpult.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
bin=build/dev
folder="${WETTERPULT_DEMO_FOLDER:-$HOME/.local/share/wetterpult-demo}"
mkdir -p "$folder"

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
