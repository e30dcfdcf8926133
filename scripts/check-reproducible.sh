#!/usr/bin/env bash
# Builds the release archive twice from the same tree, in two build folders
# of different paths, and fails unless the two archives are byte for byte
# the same.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=${VORENTA_BUILD_ROOT:-$repo/build}/reproducible
rm -rf "$work"
mkdir -p "$work"

for run in first second; do
  echo "==> release archive, $run build"
  VORENTA_RELEASE_BUILD=$work/$run-build VORENTA_DIST=$work/$run \
    bash "$repo/scripts/package.sh" >"$work/$run.log" 2>&1 ||
    { cat "$work/$run.log"; exit 1; }
done

first=$(echo "$work"/first/*.zip)
second=$work/second/$(basename "$first")
if cmp -s "$first" "$second"; then
  echo "==> reproducible: $(basename "$first") $(sha256sum <"$first" | cut -d' ' -f1)"
else
  echo "==> NOT reproducible: $first and $second differ" >&2
  cmp -l "$first" "$second" | head -5 >&2 || true
  exit 1
fi
