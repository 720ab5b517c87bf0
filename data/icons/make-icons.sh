#!/usr/bin/env bash
# Draws the program icon data/icons/Tobrin.ico (16 to 256 pixels) with ImageMagick: a blue
# rounded square with the katakana "ト" and a plus sign. The icon is committed; run this again
# only to change it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
font="$(fc-match -f '%{file}' 'IPAGothic:lang=ja')"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill '#1f5fa8' -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill white -font "$font" -pointsize 190 -gravity center -annotate -18+4 'ト' \
  -fill '#ffd23f' -draw 'rectangle 176,150 200,234' -draw 'rectangle 146,180 230,204' \
  "$work/256.png"
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  convert "$work/256.png" -resize "${size}x${size}" "$work/$size.png"
done
files=()
for size in "${sizes[@]}"; do files+=("$work/$size.png"); done
convert "${files[@]}" "$here/Tobrin.ico"
echo "wrote $here/Tobrin.ico"
