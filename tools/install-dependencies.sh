#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test needs is missing on a
# Debian 12 machine; installs nothing when all is there. Through sudo when not root.
#   tools/install-dependencies.sh demo   what building and opening the window needs
#   tools/install-dependencies.sh test   that, plus the headless test tooling
#   tools/install-dependencies.sh web    what the web preset (emscripten) and the page need
set -euo pipefail

purpose=${1:-demo}

# emscripten brings node; its tests build GoogleTest from googletest's sources;
# the page is put together by a python script, its modules bundled by esbuild
# from npm.
web_packages=(cmake emscripten googletest python3)
if [ "$purpose" = web ]; then
  packages=("${web_packages[@]}")
  # A node installed from elsewhere brings its own npm; Debian's would clash.
  command -v npm >/dev/null || packages+=(npm)
else
  packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl1-mesa-dev
    libgtest-dev googletest libbenchmark-dev
    fonts-dejavu-core
  )
fi
if [ "$purpose" = test ]; then
  packages+=(clang clang-format libclang-rt-14-dev valgrind libfftw3-dev appstream desktop-file-utils)
  # The window's tree, and the browsers' for the page's screen-reader test, read
  # by an AT-SPI client under Xvfb on a session bus of their own; the window
  # under Wayland.
  packages+=(python3-pyatspi at-spi2-core dbus dbus-daemon xvfb weston qt6-wayland)
  packages+=("${web_packages[@]}")
  # The browser tests in three engines: chromium and firefox-esr, driven by
  # puppeteer-core from npm, and WebKitGTK through its WebDriver on an Xvfb
  # display, its mouse given by xdotool.
  packages+=(chromium firefox-esr webkit2gtk-driver xvfb xdotool)
  # A node installed from elsewhere brings its own npm; Debian's would clash.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
