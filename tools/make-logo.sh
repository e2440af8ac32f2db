#!/usr/bin/env bash
# Draws the window's logo (300 x 48 pixels): a small impulse-response motif
# of five paths in their colours and the program's name. Run once; the PNG is
# committed as app/qt/resources/logo.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=app/qt/resources/logo.png
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Path impulses: x, top y, colour (the first five path colours).
impulses=(
  "14 10 rgb(0,192,0)"
  "24 22 rgb(192,0,0)"
  "35 16 rgb(0,0,192)"
  "47 30 rgb(192,192,0)"
  "58 35 rgb(160,0,160)"
)
draw=()
for entry in "${impulses[@]}"; do
  read -r x top colour <<<"$entry"
  draw+=(-stroke black -strokewidth 3 -draw "line $x,$((top + 3)) $x,40")
  draw+=(-stroke gray30 -strokewidth 1 -fill "$colour"
         -draw "rectangle $((x - 4)),$((top - 4)) $((x + 4)),$((top + 4))")
done

convert -size 300x48 xc:'rgb(250,250,244)' \
  -fill none -stroke 'rgb(90,90,110)' -strokewidth 1 -draw "rectangle 0,0 299,47" \
  -stroke black -strokewidth 2 -draw "line 6,41 70,41" -draw "line 6,41 6,5" \
  "${draw[@]}" \
  -stroke none -fill 'rgb(30,40,110)' -font "$font" -pointsize 26 \
  -annotate +82+34 'Tarvel Demo' \
  -define png:exclude-chunks=date,time +set date:create +set date:modify \
  -depth 8 "PNG24:$out"
echo "wrote $out"
