#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless (Qt's
# offscreen platform: no display needed):
#   0. every C++ source formatted as clang-format 14 writes it;
#   1. the release build: every test, the soak included;
#   1b. the window's Qt tests again on Wayland, in a headless Weston;
#   2. the web build (emscripten, the page's modules bundled by esbuild and
#      checked by ESLint): the core's tests under node, the web
#      scenario runner held against the native one of stage 1, and the
#      self-contained page driven in Chromium, Firefox ESR and WebKitGTK
#      (the last under an Xvfb of its own);
#   3. the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. valgrind memcheck over the offscreen window tests;
#   5. the fuzzer's committed corpus replayed under clang's sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
stage() { printf '\n== %s\n' "$*"; }

stage "formatting"
tools/check-format.sh

stage "release build and tests"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

stage "the window's tests on Wayland (headless Weston)"
tools/run-under-weston.sh build/release/tests/gui/gui_tests --gtest_brief=1
tools/run-under-weston.sh build/release/tests/gui_storm/window_storm_test --gtest_brief=1

stage "web build and tests"
(cd app/web && npm ci --no-audit --no-fund --loglevel=error)
cmake --preset web >/dev/null
cmake --build --preset web -j"$jobs"
(cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
ctest --preset web -j"$jobs"

stage "sanitizer build and tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
unset LSAN_OPTIONS

stage "valgrind memcheck of the offscreen window tests"
valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
  --show-leak-kinds=definite build/release/tests/gui/gui_tests --gtest_brief=1

stage "fuzzer corpus replay"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
build/fuzz/tests/fuzz/script_fuzzer -runs=0 tests/fuzz/corpus

echo
echo "stages: 7 passed, 0 failed"
