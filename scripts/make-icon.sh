#!/usr/bin/env bash
# Draws Zib's icon (a sheet of paper with a bold teal "Z" stroke) at several
# sizes and packs them into resources/zib.ico. Run by hand when the design
# changes; the build uses the committed icon.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 256x256 xc:none \
  -fill '#fdfdf6' -stroke '#3a4a5a' -strokewidth 8 \
  -draw 'polygon 40,12 176,12 220,56 220,244 40,244' \
  -fill '#d8dee6' -draw 'polygon 176,12 176,56 220,56' \
  -stroke '#9aa8b6' -strokewidth 6 \
  -draw 'line 64,200 196,200' -draw 'line 64,220 160,220' \
  -stroke none -fill '#008f8f' \
  -draw 'polygon 66,60 186,60 186,86 106,158 186,158 186,184 66,184 66,158 146,86 66,86' \
  "$tmp/zib-256.png"
for s in 16 24 32 48 64; do convert "$tmp/zib-256.png" -resize ${s}x${s} "$tmp/zib-$s.png"; done
convert "$tmp/zib-16.png" "$tmp/zib-24.png" "$tmp/zib-32.png" "$tmp/zib-48.png" "$tmp/zib-64.png" "$tmp/zib-256.png" resources/zib.ico
