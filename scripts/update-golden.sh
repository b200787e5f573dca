#!/usr/bin/env bash
# Rewrites the golden files on purpose after a wanted change of output: the committed captures
# (tests/data/captures/*.bin from their builders), the expected decoder lines (*.jsonl), the
# expected output files (tests/data/outputs/) and the whole-program run's expected files. Then
# shows what changed: check every difference by hand, and commit expected files on their own.
# Usage: scripts/update-golden.sh [PRESET] (default dev; the preset must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
export QT_QPA_PLATFORM=offscreen
# The captures first: the decoder's expected lines are made from them.
WETTERPULT_WRITE_CAPTURES=1 "build/$preset/tests/wetterpult_tests" --gtest_filter='Captures.*'
WETTERPULT_UPDATE_GOLDEN=1 ctest --preset "$preset" -R '^(capture\.|outputs\.whole_program$)'
WETTERPULT_UPDATE_GOLDEN=1 "build/$preset/tests/wetterpult_tests" \
  --gtest_filter='ReportPage.*:Writers.*:Asynop.*:AprsFile.*:WeatherLog.*'
git status --short -- tests/data
git diff --stat -- tests/data
