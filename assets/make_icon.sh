#!/usr/bin/env bash
# Draws the program's icon assets/vantrelle.ico (48, 32 and 16 px, 32-bit with alpha): a blue
# rounded tile with a white "V" and a red play mark, the video tool's sign.
# Needs ImageMagick (convert); no fonts.
set -euo pipefail
cd "$(dirname "$0")"

out=${1:-vantrelle.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn once at 192 px, then scaled down to each size.
convert -size 192x192 gradient:'#4f95e6-#1d4f99' \
  \( -size 192x192 xc:black -fill white -draw "roundrectangle 8,8 183,183 34,34" -alpha off \) \
  -alpha off -compose CopyOpacity -composite -compose Over \
  -fill none -stroke '#a9cdf6' -strokewidth 6 -draw "roundrectangle 11,11 180,180 31,31" \
  -stroke '#1d3f73' -strokewidth 5 -fill white \
  -draw "polygon 26,30 70,30 92,116 114,30 158,30 114,160 70,160" \
  -stroke '#ffffff' -strokewidth 5 -fill '#e3170a' -draw "polygon 122,112 122,172 172,142" \
  "$work/icon-192.png"

for size in 48 32 16; do
  convert "$work/icon-192.png" -filter Lanczos -resize ${size}x${size} -unsharp 0x0.6 \
    "$work/icon-$size.png"
done
convert "$work/icon-48.png" "$work/icon-32.png" "$work/icon-16.png" "$work/$(basename "$out")"
mv "$work/$(basename "$out")" "$out"
echo "wrote $out"
