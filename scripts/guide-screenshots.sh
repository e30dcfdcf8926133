#!/usr/bin/env bash
# Takes the user guide's pictures (docs/ja/images/*.png): Vorenta.exe under
# Wine on a virtual display, driven step by step with real input by the demo
# driver, each step's window (with its menu or message) captured. Builds
# what it needs through scripts/run-vorenta.sh.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
unset DISPLAY
VORENTA_SESSION=$repo/scripts/guide-session.sh exec bash "$repo/scripts/run-vorenta.sh"
