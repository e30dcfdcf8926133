#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, the same
# tests with AddressSanitizer and UndefinedBehaviorSanitizer, the Windows
# build's tests under Wine on a virtual display (Win32 layer and end-to-end
# runs of Vorenta.exe included), a short run of every fuzz target, and the
# release archive built twice and compared. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
status=0

run_preset() {
  local preset=$1
  shift
  echo "==> $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "==> $preset: test"
  "$@" ctest --preset "$preset" -j"$jobs" || status=1
}

run_preset native
run_preset sanitize
# Wine needs an X display for windows, the clipboard and input.
run_preset windows xvfb-run -a -s "-screen 0 1280x1024x24"

echo "==> fuzz: a few seconds per target"
bash scripts/fuzz.sh 3 || status=1

# The release archive: the same commit must give the same bytes.
bash scripts/check-reproducible.sh || status=1

if [ "$status" -ne 0 ]; then
  echo "==> some tests failed"
fi
exit "$status"
