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
mkdir -p build

phase() {
  echo "==> $1 ($SECONDS s)"
}

build_preset() {
  phase "$1: configure and build"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j"$jobs"
}

test_preset() {
  local preset=$1
  shift
  phase "$preset: test"
  "$@" ctest --preset "$preset" -j"$jobs" || status=1
}

build_preset native
test_preset native
build_preset sanitize
test_preset sanitize
build_preset windows

# Meanwhile the release archive is built twice (the same commit must give the
# same bytes) and the fuzz targets are built: the tests under Wine mostly
# wait for the program's windows.
(
  bash scripts/check-reproducible.sh >build/reproducible.log 2>&1
  echo $? >build/reproducible.status
  cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j"$jobs" >build/fuzz-build.log 2>&1
) &
background=$!

# Wine needs an X display for windows, the clipboard and input.
test_preset windows xvfb-run -a -s "-screen 0 1280x1024x24"

phase "release archive and fuzz targets"
wait "$background" || true
cat build/reproducible.log
[ "$(cat build/reproducible.status 2>/dev/null)" = 0 ] || status=1

phase "fuzz: a few seconds per target"
bash scripts/fuzz.sh 3 || status=1

if [ "$status" -ne 0 ]; then
  echo "==> some tests failed"
fi
phase "done"
exit "$status"
