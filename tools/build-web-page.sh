#!/usr/bin/env bash
# Installs what is missing (emscripten and its helpers, with apt-get), then
# builds the self-contained page build/web/tarvel-demo.html: open it in any
# browser, from a file or from any web server. Can be run again at any time.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh web
# The page's bundler and linter, from npm as pinned in app/web/package-lock.json.
(cd app/web && npm ci --no-audit --no-fund --loglevel=error)
cmake --preset web >/dev/null
cmake --build --preset web --target tarvel-demo-page -j"$(nproc)"
echo "The page: $PWD/build/web/tarvel-demo.html"
