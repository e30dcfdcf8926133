#!/usr/bin/env bash
# Brings a fresh Debian 12 machine everything the build, the tests and the
# run script need. Idempotent: does nothing when all is present.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64
  xvfb xauth xdotool x11-utils imagemagick
  fonts-ipafont-gothic locales
  clang-format
  clang-14 libclang-rt-14-dev
  python3 python3-markdown
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: need root to install: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Marlett, the font Windows draws the caption buttons and the menu marks
# with, comes in Wine's font package. Installed, its fonts would reach every
# Wine prefix through Wine's own folder, the tests' prefixes too, whose font
# metrics the tests rely on: the package is unpacked here instead, and the
# run script gives Marlett to its own prefix (the one the pictures are
# taken in) only.
wine_fonts=/usr/local/share/vorenta/fonts-wine
if [ ! -f "$wine_fonts/marlett.ttf" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: need root to unpack fonts-wine into $wine_fonts" >&2
    exit 1
  fi
  unpack=$(mktemp -d)
  (cd "$unpack" && { apt-get download fonts-wine >/dev/null 2>&1 ||
    { apt-get update -qq && apt-get download fonts-wine >/dev/null; }; })
  dpkg-deb -x "$unpack"/fonts-wine_*.deb "$unpack/root"
  install -D -m 644 "$unpack/root/usr/share/wine/fonts/marlett.ttf" "$wine_fonts/marlett.ttf"
  install -m 644 "$unpack/root/usr/share/doc/fonts-wine/copyright" "$wine_fonts/copyright"
  rm -rf "$unpack"
fi

# Wine under LANG=ja_JP.UTF-8 gives the ANSI code page 932 that the program is made for.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: need root to generate the ja_JP.UTF-8 locale" >&2
    exit 1
  fi
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
