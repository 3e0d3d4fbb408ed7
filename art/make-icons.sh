#!/usr/bin/env bash
# Draws the application icon at each size the desktop asks for (16 to 256 pixels),
# each drawn at its own size rather than scaled from another, so that its edges fall
# on whole pixels and stay crisp: a gauge on a drive, as keldra.png. The results are
# committed in icons/; run this again only to change them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
mkdir -p icons
# px <coordinate on the 64-pixel grid> <size>: the same place on the icon's grid.
px() { awk -v v="$1" -v s="$2" 'BEGIN { printf "%d", int(v * s / 64 + 0.5) }'; }
for size in 16 24 32 48 64 128 256; do
  p() { px "$1" "$size"; }
  line=$(( size >= 128 ? size / 64 : 1 ))  # the gauge's frame, a whole pixel or more
  radius=$(p 8)
  dot=$(( $(p 3) > 1 ? $(p 3) : 1 ))
  convert -size "${size}x${size}" xc:none \
    -fill '#1d3557' -draw "roundrectangle $(p 2),$(p 8) $(( $(p 62) - 1 )),$(( $(p 56) - 1 )) $radius,$radius" \
    +antialias \
    -fill '#1d3557' -draw "rectangle $(p 8),$(p 22) $(( $(p 56) - 1 )),$(( $(p 41) - 1 ))" \
    -fill white -draw "rectangle $(( $(p 8) + line )),$(( $(p 22) + line )) $(( $(p 56) - 1 - line )),$(( $(p 41) - 1 - line ))" \
    -fill '#00ff00' -draw "rectangle $(( $(p 8) + line )),$(( $(p 22) + line )) $(( $(p 39) - 1 )),$(( $(p 41) - 1 - line ))" \
    -antialias \
    -fill '#e63946' -draw "circle $(p 52),$(p 48) $(p 52),$(( $(p 48) - dot ))" \
    -depth 8 "PNG32:icons/keldra-${size}.png"
done
identify icons/*.png
