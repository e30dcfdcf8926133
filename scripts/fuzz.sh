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

# One target: its line for the report in $work/$target.result, and a
# failure's log after it.
run_target() {
  local target=$1 log="$work/$1.log"
  if build/fuzz/tests/fuzz/"$target" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
    "$work/$target" >"$log" 2>&1; then
    local runs speed
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "==> fuzz $target: ${seconds} s, ${runs:-?} runs, ${speed:-?} runs/s, no finding" \
      >"$work/$target.result"
  else
    { echo "==> fuzz $target: FAILED"; tail -n 60 "$log"; } >"$work/$target.result"
    touch "$work/$target.failed"
  fi
}

# As many targets at a time as there are cores; reported in order.
targets=()
for seeds in tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  targets+=("$target")
  cp -r "$seeds" "$work/$target"
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  run_target "$target" &
done
wait

status=0
for target in "${targets[@]}"; do
  cat "$work/$target.result"
  [ ! -e "$work/$target.failed" ] || status=1
done
exit "$status"
