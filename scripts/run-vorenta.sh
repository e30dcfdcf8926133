#!/usr/bin/env bash
# Builds Vorenta.exe and runs it under Wine, in a Wine prefix of the project's
# own with the Japanese locale and fonts that have Japanese glyphs.
#
# With a display the program simply starts. Without one it runs on a virtual
# display: a sample mail is pasted, keywords are added, a search runs, and a
# screenshot is saved to build/screenshot.png.
#
# The program's files (SMdata1.dat, SMdata2.dat) are kept in build/run.
# VORENTA_BUILD_ROOT moves everything this script makes from build/ elsewhere.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build_root=${VORENTA_BUILD_ROOT:-$repo/build}
build=$build_root/windows
run_dir=$build_root/run
screenshot=$build_root/screenshot.png
export WINEPREFIX=$build_root/wine-run-prefix
wine_run=$repo/scripts/wine-run.sh

if [ -z "${VORENTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  bash "$repo/scripts/install-deps.sh"
  echo "==> building Vorenta.exe"
  (cd "$repo" && cmake --preset windows -B "$build" >/dev/null)
  cmake --build "$build" --target Vorenta vorenta-demo -j"$(nproc)"
fi

# Wine finds the fonts of the system through fontconfig; the Windows names the
# program and Wine's Japanese UI ask for are pointed at IPAGothic.
prepare_prefix() {
  local marker=$WINEPREFIX/.vorenta-fonts
  [ -f "$marker" ] && return
  echo "==> preparing the Wine prefix $WINEPREFIX"
  local face
  for face in "ＭＳ ゴシック" "ＭＳ Ｐゴシック" "ＭＳ UI Gothic" "MS Gothic" "MS PGothic" \
    "MS UI Gothic" "Meiryo" "Meiryo UI" "Yu Gothic UI"; do
    "$wine_run" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
      /d IPAGothic /f >/dev/null
  done
  touch "$marker"
}

# The caption buttons and the menus' marks as Windows draws them: without
# Marlett, Wine writes the letters that stand for them ("0 1 r"). This
# prefix only; install-deps.sh says why.
add_marlett() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  [ -f "$fonts/marlett.ttf" ] && return
  mkdir -p "$fonts"
  cp /usr/local/share/vorenta/fonts-wine/marlett.ttf "$fonts/marlett.ttf"
}

# Without a window manager Wine must draw the caption and frame itself.
set_wine_frames() {
  local key='HKCU\Software\Wine\AppDefaults\Vorenta.exe\X11 Driver'
  if [ "$1" = wine ]; then
    "$wine_run" reg add "$key" /v Decorated /t REG_SZ /d N /f >/dev/null
  else
    "$wine_run" reg delete "$key" /v Decorated /f >/dev/null 2>&1 || true
  fi
}

copy_program() {
  mkdir -p "$run_dir"
  cp "$build/Vorenta.exe" "$run_dir/Vorenta.exe"
}

unix_to_wine() { echo "Z:${1//\//\\}"; }

if [ -n "${VORENTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  # Second stage, inside xvfb-run: a short session and a screenshot.
  prepare_prefix
  add_marlett
  set_wine_frames wine
  if [ -n "${VORENTA_SESSION:-}" ]; then
    # Another script's session on the same prefix and build (the guide's pictures).
    # shellcheck source=/dev/null
    source "$VORENTA_SESSION"
    exit 0
  fi
  copy_program
  (cd "$run_dir" && "$wine_run" Vorenta.exe) &
  program=$!
  demo_output=$("$wine_run" "$build/tests/e2e/vorenta-demo.exe" \
    --mail="$(unix_to_wine "$repo/data/sample-mail.txt")" \
    --keyword=セール --keyword=送料無料)
  read -r _ left top width height <<<"$(grep '^window ' <<<"$demo_output")"
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$screenshot"
  "$wine_run" "$build/tests/e2e/vorenta-demo.exe" --close
  wait "$program" || true
  wineserver -w
  echo "Screenshot saved to $screenshot"
  exit 0
fi

if [ -n "${DISPLAY:-}" ]; then
  prepare_prefix
  add_marlett
  set_wine_frames window-manager
  copy_program
  echo "==> starting Vorenta.exe in $run_dir"
  cd "$run_dir"
  exec "$wine_run" Vorenta.exe
fi

echo "==> no display: running on a virtual one"
VORENTA_ON_VIRTUAL_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0"
