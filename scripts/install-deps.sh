#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Wetterpult need, and those
# named as arguments (the package scripts add theirs). Only what is missing is installed; uses
# sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache libsystemd-dev
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format
  xvfb xauth openbox xdotool imagemagick faketime
  libmosquitto-dev mosquitto mosquitto-clients
  libsqlite3-dev
  direwolf
  qt6-httpserver-dev qt6-websockets-dev libjs-chart.js chromium
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installiere: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
