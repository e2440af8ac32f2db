#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless (Qt's
# offscreen platform: no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== release build and tests"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"
