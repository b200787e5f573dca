#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each for a share of SECONDS
# (default 60) in total. Seeds: the golden captures for the station roads, the settings files and
# the weather logs of the tests for the other two. New inputs stay in build/fuzz/corpus/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
total="${1:-60}"
targets=(fuzz_serial_road fuzz_tcp_messages fuzz_settings_file fuzz_log_import)
per_target=$(( total / ${#targets[@]} ))
[ "$per_target" -ge 1 ] || per_target=1

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  case "$target" in
    fuzz_settings_file) seeds=(tests/data/config/*.ini tests/data/outputs/whole_program/*.ini) ;;
    fuzz_log_import) seeds=(tests/data/outputs/weather_log_day.txt
                            tests/data/outputs/whole_program/expected/t*.txt) ;;
    *) seeds=(tests/data/captures/*.bin) ;;
  esac
  cp -n "${seeds[@]}" "$corpus/" 2>/dev/null || true
  log="build/fuzz/$target.log"
  echo "== $target (${per_target} s)"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build/fuzz/fuzz/$target" -max_total_time="$per_target" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/$target-" "$corpus" >"$log" 2>&1; then
    grep -E "^Done|number_of_executed_units|peak_rss" "$log" || true
  else
    cat "$log"
    echo "Fehler: $target hat einen Fund gemeldet (Eingabe unter build/fuzz/$target-*)." >&2
    exit 1
  fi
done
