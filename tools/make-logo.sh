#!/usr/bin/env bash
# Draws the window's logo (300 x 48 pixels): a small impulse-response motif
# of five paths in their colours and the program's name; and the same at
# twice the pixels for the page, whose form is shown on screens of every
# density. Run once; the PNGs are committed as app/qt/resources/logo.png and
# logo@2x.png.
set -euo pipefail
cd "$(dirname "$0")/.."
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Path impulses: x, top y, colour (the first five path colours).
impulses=(
  "14 10 rgb(0,192,0)"
  "24 22 rgb(192,0,0)"
  "35 16 rgb(0,0,192)"
  "47 30 rgb(192,192,0)"
  "58 35 rgb(160,0,160)"
)

# draw_logo SCALE OUT: every length in the 300 x 48 design times SCALE.
draw_logo() {
  local s=$1 out=$2 draw=() x top colour
  for entry in "${impulses[@]}"; do
    read -r x top colour <<<"$entry"
    draw+=(-stroke black -strokewidth $((3 * s)) -draw "line $((x * s)),$(((top + 3) * s)) $((x * s)),$((40 * s))")
    draw+=(-stroke gray30 -strokewidth "$s" -fill "$colour"
           -draw "rectangle $(((x - 4) * s)),$(((top - 4) * s)) $(((x + 4) * s)),$(((top + 4) * s))")
  done
  convert -size $((300 * s))x$((48 * s)) xc:'rgb(250,250,244)' \
    -fill none -stroke 'rgb(90,90,110)' -strokewidth "$s" \
    -draw "rectangle 0,0 $((300 * s - 1)),$((48 * s - 1))" \
    -stroke black -strokewidth $((2 * s)) \
    -draw "line $((6 * s)),$((41 * s)) $((70 * s)),$((41 * s))" \
    -draw "line $((6 * s)),$((41 * s)) $((6 * s)),$((5 * s))" \
    "${draw[@]}" \
    -stroke none -fill 'rgb(30,40,110)' -font "$font" -pointsize $((26 * s)) \
    -annotate +$((82 * s))+$((34 * s)) 'Tarvel Demo' \
    -define png:exclude-chunks=date,time +set date:create +set date:modify \
    -depth 8 "PNG24:$out"
  echo "wrote $out"
}

draw_logo 1 app/qt/resources/logo.png
draw_logo 2 app/qt/resources/logo@2x.png
