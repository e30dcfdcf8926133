#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset) and runs each one for
# SECONDS (default 10) from a copy of its seed corpus in tests/fuzz/corpus/.
# Exits non-zero when any target crashes, leaks or fails a check; the input
# that did it is kept in build/fuzz/artifacts/.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
artifacts=build/fuzz/artifacts

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

status=0
for seeds in tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  cp -r "$seeds" "$work/$target"
  log="$work/$target.log"
  if build/fuzz/tests/fuzz/"$target" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
    "$work/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "==> fuzz $target: ${seconds} s, ${runs:-?} runs, ${speed:-?} runs/s, no finding"
  else
    echo "==> fuzz $target: FAILED"
    tail -n 60 "$log"
    status=1
  fi
done
exit "$status"
