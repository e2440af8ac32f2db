#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh demo
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target tarvel-demo
exec build/release/app/qt/tarvel-demo
