#!/usr/bin/env bash
# Makes the page's font: DejaVu Sans Condensed, the desktop window's face,
# cut down to the characters the page shows (printable ASCII and "µ") so it
# can travel inside the page. Needs Debian's fonts-dejavu-core and fonttools.
#   tools/make-web-font.sh   (writes app/web/page/dejavu-sans-condensed-subset.woff)
set -euo pipefail
cd "$(dirname "$0")/.."
pyftsubset /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf \
  --unicodes="U+0020-007E,U+00B5" --flavor=woff \
  --layout-features='kern' --no-hinting --desubroutinize \
  --output-file=app/web/page/dejavu-sans-condensed-subset.woff
