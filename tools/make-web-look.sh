#!/usr/bin/env bash
# Writes app/web/page/window-look.css: the window style's pictures of its
# buttons, list and scroll bars, drawn by the release build's web-look at
# device pixel ratios 1 and 2, with the markers' focus ring as the window
# draws it, as CSS custom properties (--look-<part>) that
# page.css lays on the page's controls; and app/qt/resources/logo@2x.png,
# the logo as the window shows it at twice the pixels. Run it again when the
# window's style or the controls' sizes change; both files are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
look=${1:-build/release/tools/web-look/web-look}
[ -x "$look" ] || { echo "make-web-look: no $look: build the release preset's web-look" >&2; exit 1; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for ratio in 1 2; do
  mkdir "$folder/$ratio"
  QT_QPA_PLATFORM=offscreen "$look" "$ratio" "$folder/$ratio" 2>/dev/null
done

properties() {
  cat "$1/lengths.css"
  for part in "$1"/*.png; do
    name=$(basename "$part" .png)
    [ "$name" = logo ] && continue
    printf '  --look-%s: url("data:image/png;base64,%s");\n' "$name" "$(base64 -w0 "$part")"
  done
}
{
  echo "/* The window style's parts as its widgets paint them (tools/make-web-look.sh"
  echo "   writes this file; do not edit): one device pixel to a CSS pixel, then two. */"
  echo "#Form1 {"
  properties "$folder/1"
  echo "}"
  echo "@media (min-resolution: 1.5dppx) {"
  echo "#Form1 {"
  properties "$folder/2"
  echo "}"
  echo "}"
} > app/web/page/window-look.css
cp "$folder/2/logo.png" app/qt/resources/logo@2x.png
echo "wrote app/web/page/window-look.css and app/qt/resources/logo@2x.png"
