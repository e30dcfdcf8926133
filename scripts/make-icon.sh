#!/usr/bin/env bash
# Draws the application icon: a magnifying glass over three text lines, the
# middle one marked, on a rounded blue tile. Writes 16, 32 and 48 pixel
# images at 256 colours and a 256 pixel image into one .ico file.
# Needs ImageMagick. Usage: scripts/make-icon.sh [output.ico]
set -euo pipefail
out=${1:-"$(dirname "$0")/../src/app/resources/vorenta.ico"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The master drawing on a 256 pixel canvas; smaller sizes are scaled from it.
convert -size 256x256 xc:none \
  -fill '#1f5fa8' -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill '#ffffff' -draw 'rectangle 40,56 200,76' \
  -fill '#ffd23f' -draw 'rectangle 40,104 200,124' \
  -fill '#ffffff' -draw 'rectangle 40,152 150,172' \
  -fill none -stroke '#ffffff' -strokewidth 18 -draw 'circle 150,140 150,200' \
  -stroke '#ffffff' -strokewidth 28 -draw 'line 192,184 232,224' \
  "$work/master.png"

for size in 16 32 48; do
  convert "$work/master.png" -resize ${size}x${size} \
    -channel A -threshold 50% +channel -colors 256 -type PaletteAlpha \
    "BMP3:$work/icon-$size.bmp"
  # Back to PNG in memory for the .ico writer, keeping the 256-colour palette.
  convert "BMP3:$work/icon-$size.bmp" -colors 256 "PNG8:$work/icon-$size.png"
done
convert "$work/master.png" "PNG32:$work/icon-256.png"

convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$work/icon-256.png" "$out"
identify "$out"
