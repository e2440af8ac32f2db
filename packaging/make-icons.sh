#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (needs librsvg2-bin); the
# PNGs are committed, so building needs none of this.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" tarvel-demo.svg -o "tarvel-demo-$size.png"
done
