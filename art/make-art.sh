#!/usr/bin/env bash
# Draws Keldra's own artwork files with ImageMagick: the About box's animated logo
# (135 x 125, eight frames of 100 ms, looping 999 times) and the application icon.
# The results are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A drive platter whose filled wedge sweeps round, under a gauge that fills up.
for i in 0 1 2 3 4 5 6 7; do
  start=$(( i * 45 - 90 ))
  end=$(( start + 100 ))
  fill=$(( 14 + i * 13 ))
  convert -size 135x125 xc:'#1d3557' \
    -fill '#a8dadc' -stroke '#f1faee' -strokewidth 2 -draw "circle 67,56 67,12" \
    -fill '#457b9d' -stroke none -draw "circle 67,56 67,22" \
    -fill '#e63946' -draw "path 'M 67,56 L $(awk -v a=$start 'BEGIN{printf "%d,%d", 67+44*cos(a*3.14159/180), 56+44*sin(a*3.14159/180)}') A 44,44 0 0,1 $(awk -v a=$end 'BEGIN{printf "%d,%d", 67+44*cos(a*3.14159/180), 56+44*sin(a*3.14159/180)}') Z'" \
    -fill '#f1faee' -draw "circle 67,56 67,50" \
    -fill none -stroke '#f1faee' -strokewidth 1 -draw "rectangle 12,106 122,118" \
    -fill '#00ff00' -stroke none -draw "rectangle 13,107 $(( 13 + fill )),117" \
    "$work/frame$i.png"
done
# ImageMagick stores one less than its -loop in the NETSCAPE2.0 block; the block must say 999.
convert -delay 10 -loop 1000 "$work"/frame*.png -layers Optimize keldra-logo.gif

# The application icon: a gauge on a drive.
convert -size 64x64 xc:none \
  -fill '#1d3557' -draw "roundrectangle 2,8 61,55 8,8" \
  -fill white -draw "rectangle 8,22 55,40" \
  -fill '#00ff00' -draw "rectangle 9,23 38,39" \
  -fill '#1d3557' -draw "rectangle 8,22 55,22" -draw "rectangle 8,40 55,40" \
  -draw "rectangle 8,22 8,40" -draw "rectangle 55,22 55,40" \
  -fill '#e63946' -draw "circle 52,48 52,45" \
  keldra.png
identify keldra-logo.gif keldra.png
