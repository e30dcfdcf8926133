#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix with the Japanese
# locale, so that the ANSI code page is 932 as on the systems the tool is for.
# WINEPREFIX may be set by the caller; otherwise the prefix lives in the
# current build folder (ctest runs tests from there).
set -euo pipefail
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPREFIX=${WINEPREFIX:-$(pwd)/wineprefix}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Several tests may start at once: one of them creates the prefix.
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init >/dev/null 2>&1 || true
      wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi

exec wine "$@"
